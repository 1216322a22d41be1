// Program settings and track configuration window captions.
#include "localisation/caption_data.h"

namespace sc::captions {
namespace {

constexpr std::string_view P = "ConfiguracioPrg";
constexpr std::string_view T = "ConfiguracioPista";

constexpr CaptionEntry kConfiguration[] = {
    caption(P, "Text", 0, "Idioma:", "Idioma:"),
    caption(P, "Text", 1, "Comptavoltes:", "Cuentavueltas:"),
    caption(P, "RecuadreColors", -1, "Colors", "Colores"),
    caption(P, "Descripcio", 1, "Volta ràpida absoluta:", "Vuelta rápida absoluta:"),
    caption(P, "Descripcio", 2, "Volta ràpida participant/màniga:", "Vuelta rápida participante/manga:"),
    caption(P, "Descripcio", 3, "Pistes/posicions parells:", "Pistas/posiciones pares:"),
    caption(P, "Descripcio", 4, "Pistes/posicions imparells:", "Pistas/posiciones impares:"),
    caption(P, "Descripcio", 5, "Volta ràpida participant:", "Vuelta rápida participante:"),
    caption(P, "DemanarComes", -1, "Demanar comes", "Pedir comas"),
    caption(P, "OpcioComes", 0, "Mai", "Nunca"),
    caption(P, "OpcioComes", 1, "A cada màniga", "En cada manga"),
    caption(P, "OpcioComes", 2, "Al acabar la passada nº:", "Al finalizar la pasada nº:"),
    caption(P, "AutoScroll", -1, "Pas automàtic de pantalles", "Avance automático de pantallas"),
    caption(P, "OpcioAutoScroll", 0, "No", "No"),
    caption(P, "OpcioAutoScroll", 1, "Cada:", "Cada:"),
    caption(P, "Text", 3, "segons", "segundos"),

    caption(T, "Avis", -1,
            "Ja s'ha iniciat la prova; si es modifica l'ordre de canvi de pistes, les mànigues disputades "
            "fins ara es mantindran amb la configuració anterior.",
            "Ya se ha iniciado la prueba; si se modifica el orden de cambio de pistas, las mangas disputadas "
            "hasta ahora se mantendrán con la configuración anterior."),
    toolTip(T, "Avis", -1,
            "Fes clic sobre aquest missatge per accedir a modificar l'ordre de canvi de pistes.",
            "Haz clic sobre este mensaje para acceder a modificar el orden de cambio de pistas."),
    caption(T, "Text", 1, "Ordre de canvi de pistes:", "Orden de cambio de pistas:"),
    caption(T, "Text", 17, "N. de pistes:", "Nº de pistas:"),
    caption(T, "Text", 18, "Temps mínim per volta:", "Tiempo mínimo por vuelta:"),
    caption(T, "MarcComes", -1, "Definir comes", "Definir comas"),
    listItems(T, "OpComes", -1, "Més gran\nPer parcials", "Mayor\nPor parciales"),
    caption(T, "Text", 19, "Parcial més gran:", "Parcial mayor:"),
    caption(T, "Text", 36, "Nombre de parcials:", "Número de parciales:"),
    caption(T, "Text", 37, "Valor entre parcials:", "Valor entre parciales:"),
    caption(T, "TestCom", -1, "Buscar ports COM", "Buscar puertos COM"),
    caption(T, "Text", 27, "N. de connexions:", "Nº de conexiones:"),
    caption(T, "Circuit", 1, "Connexió 1", "Conexión 1"),
    caption(T, "Circuit", 2, "Connexió 2", "Conexión 2"),
    caption(T, "Circuit", 3, "Connexió 3", "Conexión 3"),
    caption(T, "Circuit", 4, "Connexió 4", "Conexión 4"),
    caption(T, "Text", 25, "Primera pista:", "Primera pista:"),
    caption(T, "Text", 26, "Port:", "Puerto:"),
    caption(T, "Text", 28, "Superpole amb parcials:", "Superpole con parciales:"),
    caption(T, "Text", 29, "Pista dels parcials:", "Pista de los parciales:"),
    caption(T, "Text", 30, "Pista de velocitat:", "Pista de velocidad:"),
    caption(T, "Text", 31, "Distància entre sensors (cm):", "Distancia entre sensores (cm):"),
    listItems(T, "Split", -1, "No\nSí", "No\nSí"),
};

}  // namespace

std::span<const CaptionEntry> configurationCaptions() { return kConfiguration; }

}  // namespace sc::captions
