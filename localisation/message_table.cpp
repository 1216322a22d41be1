// Message-table entries, grouped by the window whose loading writes them.
#include <algorithm>
#include <string>

#include "localisation/language_tables.h"

namespace sc {
namespace {

constexpr std::string_view PO = "Portada";
constexpr std::string_view NP = "NovaProva";
constexpr std::string_view GP = "GestorProves";
constexpr std::string_view VV = "VoltaaVolta";
constexpr std::string_view CL = "Classificacio";
constexpr std::string_view IN = "Inscrits";
constexpr std::string_view LV = "LlistarVoltes";
constexpr std::string_view RE = "Resultats";
constexpr std::string_view PE = "Penalitzacions";
constexpr std::string_view CO = "Corregir";
constexpr std::string_view CP = "ConfiguracioPista";
constexpr std::string_view EX = "Exportar";

constexpr MessageEntry kMessages[] = {
    {PO, 0, 0, "v", "v"},
    {PO, 0, 1, "s", "s"},
    {PO, 0, 2, "No hi ha connexió pel port", "No hay conexión por el puerto"},
    {PO, 0, 3, "Error", "Error"},
    {PO, 0, 4, "Vols crear la sèrie n.", "¿Quieres crear la serie nº"},
    {PO, 0, 5, "Segur que vols anul·lar la màniga n.", "¿Seguro que quieres anular la manga nº"},
    {PO, 0, 6, "Anul·lar mànigues", "Anular mangas"},
    {PO, 0, 8, "La unitat no està disponible", "La unidad no está disponible"},
    {PO, 0, 9, "&Gravar", "&Grabar"},
    {PO, 0, 10, "El programa s'ha tancat involuntàriament", "El programa se ha cerrado involuntariamente"},
    {PO, 0, 11, "Vols recuperar?", "¿Quieres recuperar?"},
    {PO, 0, 12, "Màniga:", "Manga:"},
    {PO, 0, 13, "Modalitat:", "Modalidad:"},

    {NP, 2, 0, "Nova prova", "Nueva prueba"},
    {NP, 2, 1, "Modificar dades de la prova", "Modificar datos de la prueba"},
    {NP, 2, 2, "Falta el nom de la prova", "Falta el nombre de la prueba"},

    {GP, 3, 0, "mànigues", "mangas"},
    {GP, 3, 1, "sèries", "series"},
    {GP, 3, 2, "Segur que vols eliminar aquesta prova?", "¿Seguro que quieres eliminar esta prueba?"},
    {GP, 3, 3, "Segur que vols eliminar aquesta sèrie?", "¿Seguro que quieres eliminar esta serie?"},

    {VV, 5, 0, "E", "E"},
    {VV, 5, 2, "Parc.", "Parc."},
    {VV, 5, 3, "km/h", "km/h"},

    {CL, 5, 0, "E", "E"},
    {CL, 5, 2, "Parc.", "Parc."},
    {CL, 5, 3, "km/h", "km/h"},
    // The heading goes before the modality's caption, so both languages end in a blank.
    {CL, 5, 8, "Classificació ", "Clasificación "},
    {CL, 5, 9, "Acabada la màniga:", "Completada la manga:"},
    {CL, 7, 2, "Quadrant de voltes ràpides acabada la màniga ",
     "Cuadrante de vueltas rápidas finalizada la manga "},
    {CL, 7, 3, "Millor", "Mejor"},

    {IN, 6, 2, "Pista d'inici", "Pista inicial"},
    {IN, 6, 3, "Ordre sortida", "Orden salida"},
    {IN, 6, 4, "Pista d'inici", "Pista inicial"},
    {IN, 6, 7, "Dorsal|Inscrit", "Dorsal|Inscrito"},
    {IN, 6, 9, "N.|Participant", "Nº|Participante"},

    {LV, 6, 0, "", ""},
    {LV, 6, 1, "", ""},
    {LV, 7, 0, "Tots", "Todos"},
    {LV, 7, 1, "Totes", "Todas"},
    {LV, 7, 2, "", ""},
    {LV, 7, 11, "No s'ha pogut escriure VLTAVLT.TXT; comproveu que la carpeta de la prova es pot escriure.",
     "No se ha podido escribir VLTAVLT.TXT; compruebe que la carpeta de la prueba se puede escribir."},
    {LV, 7, 10,
     "No s'han pogut llegir aquests arxius de la prova; les seves files no surten. Comproveu-los o recupereu "
     "la prova d'una còpia:",
     "No se han podido leer estos archivos de la prueba; sus filas no aparecen. Compruébelos o recupere la "
     "prueba de una copia:"},

    {RE, 7, 0, "Tots", "Todos"},
    {RE, 7, 1, "Totes", "Todas"},
    {RE, 7, 2, "Quadrant de voltes acabada la màniga ", "Cuadrante de vueltas finalizada la manga "},
    {RE, 7, 3, "Total", "Total"},
    {PE, 7, 10,
     "No s'ha pogut llegir l'arxiu de penalitzacions; es mostra buit. Comproveu-lo o torneu a entrar les "
     "penalitzacions:",
     "No se ha podido leer el archivo de penalizaciones; se muestra vacío. Compruébelo o vuelva a entrar las "
     "penalizaciones:"},
    {PE, 7, 11,
     "No s'ha pogut gravar l'arxiu de penalitzacions; comproveu que la carpeta de la prova es pot escriure i "
     "que els motius només porten lletres de l'alfabet llatí:",
     "No se ha podido grabar el archivo de penalizaciones; compruebe que la carpeta de la prueba se puede "
     "escribir y que los motivos sólo llevan letras del alfabeto latino:"},
    {RE, 7, 10,
     "No s'han pogut llegir aquests arxius de la prova; les seves files no surten. Comproveu-los o recupereu "
     "la prova d'una còpia:",
     "No se han podido leer estos archivos de la prueba; sus filas no aparecen. Compruébelos o recupere la "
     "prueba de una copia:"},

    {CO, 7, 3, "Vols assignar ", "¿Quieres assignar "},
    {CO, 7, 4, " com a volta ràpida de ", " como vuelta rápida de "},
    {CO, 7, 5, " per la pista ", " por la pista "},
    {CO, 7, 6, "Corregir volta ràpida", "Corregir vuelta rápida"},

    {CP, 8, 0, "Més gran", "Mayor"},
    {CP, 8, 1, "Per parcials", "Por parciales"},
    {CP, 8, 2, "El parcial més gran és: ", "El parcial mayor es: "},
    {CP, 8, 6, "No s'ha trobat cap port COM.", "No se ha encontrado ningún puerto COM."},
    {CP, 8, 7, "Ports trobats: ", "Puertos encontrados: "},

    {EX, 9, 0, "QUADRANTS DE VOLTES I VOLTES RÀPIDES", "TABLAS DE VUELTAS Y VUELTAS RÁPIDAS"},
    {EX, 9, 1, "CLASSIFICACIÓ COMPLETADA LA MÀNIGA", "CLASIFICACIÓN COMPLETADA LA MANGA"},
    {EX, 9, 2, "QUADRE DE POSICIONS PER VOLTES DESPRÉS DE CADA MÀNIGA",
     "TABLA DE POSICIONES POR VUELTAS DESPUÉS DE CADA MANGA"},
    {EX, 9, 3, "QUADRE DE VOLTA RÀPIDA DESPRÉS DE CADA MÀNIGA",
     "TABLA DE VUELTA RÁPIDA DESPUÉS DE CADA MANGA"},
    {EX, 9, 4, "CLASSIFICACIÓ DE LA PISTA", "CLASIFICACIÓN DE LA PISTA"},
    {EX, 9, 5, "QUADRE DE POSICIONS PER PISTES", "TABLA DE POSICIONES POR PISTAS"},
    {EX, 9, 6, "CLASSIFICACIÓ DE LA MÀNIGA", "CLASIFICACIÓN DE LA MANGA"},
    {EX, 9, 7, "QUADRE DE POSICIONS PER MÀNIGUES", "TABLA DE POSICIONES POR MANGAS"},
    {EX, 9, 8, "CLASSIFICACIÓ DEL PARTICIPANT", "CLASIFICACIÓN DEL PARTICIPANTE"},
    {EX, 9, 9, "CLASSIFICACIÓ DE TOTES LES MÀNIGUES", "CLASIFICACIÓN DE TODAS LAS MANGAS"},
    {EX, 9, 10, "L'arxiu ja existeix", "El archivo ya existe"},
    {EX, 9, 11, "Sobreescriure'l?", "¿Sobreescribirlo?"},
    {EX, 9, 12, "Falta el nom de l'arxiu", "Falta el nombre del archivo"},
    {EX, 9, 13, "Arxivant", "Archivando"},
    {EX, 9, 14, "Desarxivant", "Desarchivando"},
    {EX, 9, 15, "Exportant a TXT", "Exportando a TXT"},
    {EX, 9, 16, "El format de l'arxiu no és correcte", "El formato del archivo no es correcto"},
    {EX, 9, 17, "Cancel·lat: no s'ha deixat cap arxiu a mitges.",
     "Cancelado: no se ha dejado ningún archivo a medias."},
    {EX, 9, 18, "No s'ha pogut llegir %s. Comprova que existeix i que es pot obrir.",
     "No se ha podido leer %s. Compruebe que existe y que se puede abrir."},
};

}  // namespace

std::span<const MessageEntry> messageTable() { return kMessages; }

std::optional<std::string> tableMessage(int16_t language, std::string_view window, int section, int item) {
    const auto table = messageTable();
    auto it = std::find_if(table.begin(), table.end(), [&](const MessageEntry& e) {
        return e.window == window && e.section == section && e.item == item;
    });
    if (it == table.end()) return std::nullopt;
    return std::string(it->in(language));
}

}  // namespace sc
