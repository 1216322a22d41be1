// Texts of the program's own: message-box buttons, the window menu, the
// first-start hints, the settings toggles and the live windows' extras.
#include "localisation/caption_data.h"

namespace sc::captions {
namespace {

constexpr std::string_view MB = "MessageBox";  // index: the Button value
constexpr std::string_view W = "Portada";
constexpr std::string_view CP = "ConfiguracioPrg";
constexpr std::string_view CT = "ConfiguracioPista";

constexpr CaptionEntry kTrackside[] = {
    caption(MB, "Boto", 0, "D'acord", "Aceptar"),
    caption(MB, "Boto", 1, "Cancel·la", "Cancelar"),
    caption(MB, "Boto", 2, "Sí", "Sí"),
    caption(MB, "Boto", 3, "No", "No"),
    caption(MB, "Boto", 4, "Reintenta", "Reintentar"),

    caption(W, "MnuMosaic", -1, "Mosaic", "Mosaico"),
    caption(W, "MnuCascada", -1, "Cascada", "Cascada"),
    caption(W, "MnuPantallaCompleta", -1, "Pantalla completa (F11)", "Pantalla completa (F11)"),
    caption(W, "MnuManual", -1, "Manual", "Manual"),
    caption(W, "Manual", 0, "Reproduir", "Reproducir"),
    caption(W, "PistaManual", -1, "Pista", "Pista"),
    caption(W, "Benvinguda", -1,
            "Per començar: Arxiu > Nova prova... crea la primera prova; Modalitats > Entrenaments "
            "roda sense prova.",
            "Para empezar: Archivo > Nueva prueba... crea la primera prueba; Modalidades > "
            "Entrenamientos rueda sin prueba."),
    title("VoltaaVolta", "Volta a volta", "Vuelta a vuelta"),

    caption(CP, "Explicacio", -1,
            "Idioma, comptavoltes, colors de les pantalles i quan es demanen les comes.",
            "Idioma, cuentavueltas, colores de las pantallas y cuándo se piden las comas."),
    caption(CP, "MesOpcions", -1, "Més opcions", "Más opciones"),
    caption(CT, "MesOpcions", -1, "Més opcions", "Más opciones"),
};

}  // namespace

std::span<const CaptionEntry> tracksideCaptions() { return kTrackside; }

}  // namespace sc::captions
