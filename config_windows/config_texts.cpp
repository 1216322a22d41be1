#include "config_windows/config_texts.h"

namespace sc {
namespace {

bool spanish(int language) { return language == 1; }

const std::string& pick(int language, const std::string& ca, const std::string& es) {
    return spanish(language) ? es : ca;
}

struct Bilingual {
    const char* control;
    const char* ca;
    const char* es;
};

std::vector<ControlCaption> captionsIn(int language, const std::vector<Bilingual>& table) {
    std::vector<ControlCaption> out;
    out.reserve(table.size());
    for (const auto& row : table) out.push_back({row.control, spanish(language) ? row.es : row.ca});
    return out;
}

}  // namespace

std::string configText(int language, ConfigText which) {
    switch (which) {
        case ConfigText::ProgramTitle:
            return pick(language, "Configuració del programa", "Configuración del programa");
        case ConfigText::TrackTitleGeneral:
            return pick(language, "Configuració circuit/general", "Configuración circuito/general");
        case ConfigText::TrackTitleRace:
            return pick(language, "Configuració circuit/prova", "Configuración circuito/prueba");
        case ConfigText::LargestPartial:
            return pick(language, "El parcial més gran és: ", "El parcial mayor es: ");
        case ConfigText::NoPortFound:
            return pick(language, "No s'ha trobat cap port COM.", "No se ha encontrado ningún puerto COM.");
        case ConfigText::PortsFound:
            return pick(language, "Ports trobats: ", "Puertos encontrados: ");
        case ConfigText::ErrorTitle:
            return "Error";
        case ConfigText::SaveFailed:
            return pick(language, "No s'ha pogut gravar ", "No se ha podido grabar ");
        case ConfigText::AvisHint:
            return pick(language, "Fes clic sobre aquest missatge per accedir a modificar l'ordre de canvi de pistes.",
                        "Haz clic sobre este mensaje para acceder a modificar el orden de cambio de pistas.");
        case ConfigText::PartialTooLarge:
            return pick(language, "El parcial més gran no pot passar de 32767.",
                        "El parcial mayor no puede pasar de 32767.");
    }
    return {};
}

std::vector<ControlCaption> programSettingsCaptions(int language) {
    static const std::vector<Bilingual> table{
        {"Text(0)", "Idioma:", "Idioma:"},
        {"Text(1)", "Comptavoltes:", "Cuentavueltas:"},
        {"RecuadreColors", "Colors", "Colores"},
        {"Descripcio(1)", "Volta ràpida absoluta:", "Vuelta rápida absoluta:"},
        {"Descripcio(2)", "Volta ràpida participant/màniga:", "Vuelta rápida participante/manga:"},
        {"Descripcio(3)", "Pistes/posicions parells:", "Pistas/posiciones pares:"},
        {"Descripcio(4)", "Pistes/posicions imparells:", "Pistas/posiciones impares:"},
        {"Descripcio(5)", "Volta ràpida participant:", "Vuelta rápida participante:"},
        {"DemanarComes", "Demanar comes", "Pedir comas"},
        {"OpcioComes(0)", "Mai", "Nunca"},
        {"OpcioComes(1)", "A cada màniga", "En cada manga"},
        {"OpcioComes(2)", "Al acabar la passada nº:", "Al finalizar la pasada nº:"},
        {"AutoScroll", "Pas automàtic de pantalles", "Avance automático de pantallas"},
        {"OpcioAutoScroll(0)", "No", "No"},
        {"OpcioAutoScroll(1)", "Cada:", "Cada:"},
        {"Text(3)", "segons", "segundos"},
        {"Sortir(0)", "Sortir", "Salir"},
        {"Sortir(1)", "&Gravar", "&Grabar"},
    };
    return captionsIn(language, table);
}

std::vector<ControlCaption> trackConfigCaptions(int language) {
    static const std::vector<Bilingual> table{
        {"Avis",
         "Ja s'ha iniciat la prova; si es modifica l'ordre de canvi de pistes, les mànigues disputades fins "
         "ara es mantindran amb la configuració anterior.",
         "Ya se ha iniciado la prueba; si se modifica el orden de cambio de pistas, las mangas disputadas "
         "hasta ahora se mantendrán con la configuración anterior."},
        {"Text(1)", "Ordre de canvi de pistes:", "Orden de cambio de pistas:"},
        {"Text(17)", "N. de pistes:", "Nº de pistas:"},
        {"Text(18)", "Temps mínim per volta:", "Tiempo mínimo por vuelta:"},
        {"MarcComes", "Definir comes", "Definir comas"},
        {"Text(19)", "Parcial més gran:", "Parcial mayor:"},
        {"Text(36)", "Nombre de parcials:", "Número de parciales:"},
        {"Text(37)", "Valor entre parcials:", "Valor entre parciales:"},
        {"TestCom", "Buscar ports COM", "Buscar puertos COM"},
        {"Text(27)", "N. de connexions:", "Nº de conexiones:"},
        {"Circuit(1)", "Connexió 1", "Conexión 1"},
        {"Circuit(2)", "Connexió 2", "Conexión 2"},
        {"Circuit(3)", "Connexió 3", "Conexión 3"},
        {"Circuit(4)", "Connexió 4", "Conexión 4"},
        {"Text(25)", "Primera pista:", "Primera pista:"},
        {"Text(26)", "Port:", "Puerto:"},
        {"Text(28)", "Superpole amb parcials:", "Superpole con parciales:"},
        {"Text(29)", "Pista dels parcials:", "Pista de los parciales:"},
        {"Text(30)", "Pista de velocitat:", "Pista de velocidad:"},
        {"Text(31)", "Distància entre sensors (cm):", "Distancia entre sensores (cm):"},
        {"Sortir(0)", "Sortir", "Salir"},
        {"Sortir(1)", "&Gravar", "&Grabar"},
    };
    return captionsIn(language, table);
}

std::vector<std::string> languageNames(int language) {
    if (spanish(language)) return {"Catalán", "Español"};
    return {"Català", "Castellà"};
}

std::vector<std::string> lapCounterNames() { return {"DS003", "DS030", "DS300", "DS300 & DS4port", "DS200"}; }

std::vector<std::string> colourNames(int language) {
    if (spanish(language))
        return {"Negro",          "Azul",           "Verde",      "Cian",
                "Rojo",           "Magenta",        "Marrón",     "Blanco",
                "Gris",           "Azul brillante", "Verde brillante", "Cian brillante",
                "Rojo brillante", "Magenta brillante", "Amarillo", "Blanco brillante"};
    return {"Negre",           "Blau",          "Verd",          "Cian",
            "Vermell",         "Magenta",       "Marró",         "Blanc",
            "Gris",            "Blau brillant", "Verd brillant", "Cian brillant",
            "Vermell brillant", "Magenta brillant", "Groc",       "Blanc brillant"};
}

std::vector<std::string> comaDefinitionNames(int language) {
    if (spanish(language)) return {"Mayor", "Por parciales"};
    return {"Més gran", "Per parcials"};
}

std::vector<std::string> yesNoNames(int language) {
    (void)language;  // the same words in both languages
    return {"No", "Sí"};
}

}  // namespace sc
