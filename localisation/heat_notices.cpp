#include "localisation/heat_notices.h"

#include <array>
#include <string_view>

#include "localisation/language_tables.h"

namespace sc {
namespace {

struct NoticeText {
    HeatNotice notice;
    std::string_view catalan;
    std::string_view spanish;
};

constexpr std::array<NoticeText, 8> kNotices{{
    {HeatNotice::StillTimed,
     "La màniga es continua cronometrant: les voltes d'ara s'hi afegiran si la recuperes.",
     "La manga se sigue cronometrando: las vueltas de ahora se añadirán si la recuperas."},
    {HeatNotice::LapLogCreate,
     "No s'ha pogut crear el registre de voltes VLTAVLT.TMP. Les voltes es compten a la pantalla, però "
     "no quedaran desades: atura la màniga, allibera espai al disc o comprova els permisos de la carpeta "
     "de la prova i torna-la a començar.",
     "No se ha podido crear el registro de vueltas VLTAVLT.TMP. Las vueltas se cuentan en la pantalla, "
     "pero no quedarán guardadas: detén la manga, libera espacio en el disco o comprueba los permisos de "
     "la carpeta de la prueba y vuelve a empezarla."},
    {HeatNotice::LapLogWrite,
     "No s'ha pogut escriure una volta al registre de voltes VLTAVLT.TMP. Les voltes es continuen "
     "comptant a la pantalla, però si el programa es tanca es podrien perdre: allibera espai al disc i, "
     "en acabar la màniga, revisa'n les voltes.",
     "No se ha podido escribir una vuelta en el registro de vueltas VLTAVLT.TMP. Las vueltas se siguen "
     "contando en la pantalla, pero si el programa se cierra se podrían perder: libera espacio en el "
     "disco y, al acabar la manga, revisa sus vueltas."},
    {HeatNotice::LapLogClose,
     "No s'ha pogut tancar bé el registre de voltes VLTAVLT.TMP: les voltes desades d'aquesta màniga "
     "poden estar incompletes. Comprova l'espai al disc i revisa la classificació de la màniga abans de "
     "començar-ne una altra.",
     "No se ha podido cerrar bien el registro de vueltas VLTAVLT.TMP: las vueltas guardadas de esta "
     "manga pueden estar incompletas. Comprueba el espacio en el disco y revisa la clasificación de la "
     "manga antes de empezar otra."},
    {HeatNotice::RecoveryFileWrite,
     "No s'ha pogut escriure el fitxer de recuperació KEL4.TMP. Les voltes es continuen comptant, però "
     "si el programa es tanqués ara aquesta màniga no es podria recuperar: allibera espai al disc o "
     "comprova els permisos de la carpeta del programa.",
     "No se ha podido escribir el fichero de recuperación KEL4.TMP. Las vueltas se siguen contando, "
     "pero si el programa se cerrara ahora esta manga no se podría recuperar: libera espacio en el disco "
     "o comprueba los permisos de la carpeta del programa."},
    {HeatNotice::ReplayFailed,
     "No s'ha pogut refer la màniga des del registre de voltes VLTAVLT.TMP: hi poden faltar voltes "
     "d'abans del tancament. La màniga continua; en acabar-la, revisa'n les voltes i corregeix-les si cal.",
     "No se ha podido rehacer la manga desde el registro de vueltas VLTAVLT.TMP: pueden faltar vueltas "
     "de antes del cierre. La manga continúa; al acabarla, revisa sus vueltas y corrígelas si hace falta."},
    {HeatNotice::HeatCountWrite,
     "No s'ha pogut desar el nombre de mànigues al fitxer de la sèrie (.PAR): la màniga no s'ha "
     "anul·lat. Allibera espai al disc o comprova els permisos de la carpeta de la prova i torna-ho a "
     "provar.",
     "No se ha podido guardar el número de mangas en el fichero de la serie (.PAR): la manga no se ha "
     "anulado. Libera espacio en el disco o comprueba los permisos de la carpeta de la prueba y vuelve a "
     "intentarlo."},
    {HeatNotice::CloseAsked, "Vols tancar les mànigues d'aquesta sèrie i tornar a la pantalla principal?",
     "¿Quieres cerrar las mangas de esta serie y volver a la pantalla principal?"},
}};

}  // namespace

std::string heatNotice(int16_t language, HeatNotice notice) {
    for (const NoticeText& text : kNotices)
        if (text.notice == notice) return std::string(language == kSpanish ? text.spanish : text.catalan);
    return {};
}

}  // namespace sc
