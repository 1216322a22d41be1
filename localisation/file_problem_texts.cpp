#include "localisation/file_problem_texts.h"

#include <string_view>

#include "localisation/language_tables.h"

namespace sc {

namespace {

struct ProblemEntry {
    FileProblemText id;
    std::string_view catalan;
    std::string_view spanish;
};

constexpr ProblemEntry kTexts[] = {
    {FileProblemText::DamagedSeriesList,
     "L'arxiu %1 de la llista de participants de la sèrie està malmès i no s'ha pogut llegir.\n%2\n\n"
     "No s'ha canviat res de la sèrie. Recupereu l'arxiu d'una còpia de la prova, o elimineu la sèrie "
     "i torneu-la a crear.",
     "El archivo %1 de la lista de participantes de la serie está dañado y no se ha podido leer.\n%2\n\n"
     "No se ha cambiado nada de la serie. Recupere el archivo de una copia de la prueba, o elimine la "
     "serie y vuelva a crearla."},
    {FileProblemText::DamagedNameList,
     "L'arxiu %1 de la llista de noms està malmès i no s'ha pogut llegir.\n%2\n\n"
     "Torneu a entrar els noms de la llista i graveu-la.",
     "El archivo %1 de la lista de nombres está dañado y no se ha podido leer.\n%2\n\n"
     "Vuelva a entrar los nombres de la lista y grábela."},
    {FileProblemText::SeriesListNotSaved,
     "La llista no s'ha gravat: l'arxiu %1 no s'ha pogut llegir i gravar-la ara esborraria les mànigues "
     "ja corregudes de la sèrie. Recupereu l'arxiu d'una còpia de la prova, o elimineu la sèrie i "
     "torneu-la a crear.",
     "La lista no se ha grabado: el archivo %1 no se ha podido leer y grabarla ahora borraría las mangas "
     "ya corridas de la serie. Recupere el archivo de una copia de la prueba, o elimine la serie y "
     "vuelva a crearla."},
    {FileProblemText::HeatFileUnreadable,
     "L'arxiu %1 de les mànigues de la sèrie està malmès i no s'ha pogut llegir.\n%2\n\n"
     "La classificació comença buida i les mànigues que es corrin no s'hi gravaran; les seves voltes "
     "queden a l'arxiu de voltes. Recupereu l'arxiu d'una còpia de la prova.",
     "El archivo %1 de las mangas de la serie está dañado y no se ha podido leer.\n%2\n\n"
     "La clasificación empieza vacía y las mangas que se corran no se grabarán en él; sus vueltas "
     "quedan en el archivo de vueltas. Recupere el archivo de una copia de la prueba."},
    {FileProblemText::HeatNotStored,
     "La classificació de la màniga %2 no s'ha gravat: l'arxiu %1 està malmès i es deixa tal com està. "
     "Les voltes de la màniga són a %3 i a VLTAVLT.TMP. Recupereu %1 d'una còpia de la prova abans de "
     "córrer més mànigues.",
     "La clasificación de la manga %2 no se ha grabado: el archivo %1 está dañado y se deja tal como "
     "está. Las vueltas de la manga están en %3 y en VLTAVLT.TMP. Recupere %1 de una copia de la prueba "
     "antes de correr más mangas."},
    {FileProblemText::DistributionBadLine,
     "L'arxiu %1 té un error a la línia %2 (\"%3\"): cada registre és el nombre de participants, el "
     "nombre de places directes i, si aquest és negatiu, una nota, separats per comes. Corregiu la "
     "línia; mentrestant no s'informa de cap repesca.",
     "El archivo %1 tiene un error en la línea %2 (\"%3\"): cada registro es el número de "
     "participantes, el número de plazas directas y, si este es negativo, una nota, separados por "
     "comas. Corrija la línea; mientras tanto no se informa de ninguna repesca."},
    {FileProblemText::DistributionUnreadable,
     "No s'ha pogut llegir l'arxiu %1: no s'informa de cap repesca. Comproveu que sigui un arxiu de text "
     "de distribucions.",
     "No se ha podido leer el archivo %1: no se informa de ninguna repesca. Compruebe que sea un archivo "
     "de texto de distribuciones."},
    {FileProblemText::QualificationNotBuilt,
     "No s'han creat les sèries de la cursa: aquests arxius de la prova no s'han pogut llegir i la "
     "classificació sortiria incompleta. Recupereu-los d'una còpia de la prova i torneu a crear la sèrie.%1",
     "No se han creado las series de la carrera: estos archivos de la prueba no se han podido leer y la "
     "clasificación saldría incompleta. Recupérelos de una copia de la prueba y vuelva a crear la serie.%1"},
};

}  // namespace

std::string fileProblemText(int16_t language, FileProblemText text, const std::vector<std::string>& args) {
    std::string_view pattern;
    for (const ProblemEntry& e : kTexts)
        if (e.id == text) pattern = language == kSpanish ? e.spanish : e.catalan;
    // One pass, so a file name or detail holding "%2" stays as it is.
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool mark =
            pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const auto arg = mark ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
        if (arg < args.size()) {
            out += args[arg];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace sc
