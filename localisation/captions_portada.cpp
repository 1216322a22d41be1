// Main window captions.
#include "localisation/caption_data.h"

namespace sc::captions {
namespace {

constexpr std::string_view W = "Portada";

constexpr CaptionEntry kPortada[] = {
    caption(W, "MnuArxiu", -1, "Arxiu", "Archivo"),
    caption(W, "MnuNovaProva", -1, "Nova prova...", "Nueva prueba..."),
    caption(W, "MnuNovaSerie", -1, "Nova sèrie", "Nueva serie"),
    caption(W, "MnuGestor", -1, "Gestor de proves...", "Gestor de pruebas..."),
    caption(W, "MnuConfiguracio", -1, "Configuracions", "Configuraciones"),
    caption(W, "MnuCfg", 0, "Configuració del programa...", "Configuración del programa..."),
    caption(W, "MnuCfg", 1, "Configuració circuit/general...", "Configuración circuito/general..."),
    caption(W, "MnuCfg", 2, "Configuració circuit/prova...", "Configuración circuito/prueba..."),
    caption(W, "MnuSortir", -1, "Sortir", "Salir"),
    caption(W, "MnuProgrames", -1, "Modalitats", "Modalidades"),
    caption(W, "MnuPrg", 0, "Entrenaments", "Entrenamientos"),
    caption(W, "MnuPrg", 1, "Entrenaments lliures", "Entrenamientos libres"),
    caption(W, "MnuPrg", 2, "Entrenaments oficials", "Entrenamientos oficiales"),
    caption(W, "MnuPrg", 3, "SuperPole", "SuperPole"),
    caption(W, "MnuPrg", 4, "Cursa", "Carrera"),
    caption(W, "MnuDades", -1, "Dades", "Datos"),
    caption(W, "MnuIns100", -1, "Llista de participants...", "Lista de participantes..."),
    caption(W, "MnuIns", 0, "Llista d'inscrits...", "Lista de inscritos..."),
    caption(W, "MnuIns", 2, "Participants als entrenaments oficials...",
            "Participantes en los entrenamientos oficiales..."),
    caption(W, "MnuIns", 3, "Participants a la SuperPole...", "Participantes en la SuperPole..."),
    caption(W, "MnuIns", 4, "Participants a la cursa...", "Participantes en la carrera..."),
    caption(W, "MnuPen", 4, "Penalitzacions a la cursa...", "Penalizaciones en la carrera..."),
    caption(W, "MnuResultats", -1, "Resultats", "Resultados"),
    caption(W, "MnuAltresRtats", -1, "Classificacions", "Clasificaciones"),
    caption(W, "MnuVltaaVlta", -1, "Llistar voltes", "Listar vueltas"),
    caption(W, "MnuExportar", -1, "Exportar a TXT...", "Exportar a TXT..."),
    caption(W, "MnuFinestres", -1, "Finestres", "Ventanas"),
    caption(W, "MnuAlternar", -1, "Alternar", "Alternar"),
    caption(W, "MnuAjuda", -1, "Informació", "Información"),
    caption(W, "MnuAjd", -1, "Ajuda", "Ayuda"),
    caption(W, "MnuInfo", -1, "Sobre el programa", "Sobre el programa"),
    caption(W, "Menu", 0, "(Esc) Tancar", "(Esc) Cerrar"),
    caption(W, "Menu", 1, "(L)listar voltes", "(L)istar vueltas"),
    caption(W, "Menu", 2, "(I)mprimir", "(I)mprimir"),
    caption(W, "Menu", 3, "(C)orregir", "(C)orregir"),
    caption(W, "Menu", 4, "(A)nul·lar", "(A)nular"),
    caption(W, "Menu", 5, "(,) Comes", "(,) Comas"),
    caption(W, "TextHora", -1, "Temps transcorregut:", "Tiempo transcurrido:"),
    caption(W, "TextPausa", -1, "EN PAUSA", "EN PAUSA"),
    caption(W, "Marc", 0, "Prova", "Prueba"),
    caption(W, "TextData", -1, "Data:", "Fecha:"),
    caption(W, "BotoPen", kEveryIndex, "Penalizacions...", "Penalizaciones..."),
    caption(W, "BotoCls", kEveryIndex, "Classificació...", "Clasificación..."),
    // The modality frames' buttons have no menu entry to copy in Spanish.
    caption(W, "BotoIns", kEveryIndex, "Participants...", "Participantes..."),
    caption(W, "BotoNou", kEveryIndex, "Nova sèrie...", "Nueva serie..."),
    caption(W, "Text", 1, "Sèrie:", "Serie:"),
    caption(W, "Text", 2, "Sèrie:", "Serie:"),
    caption(W, "Text", 3, "Sèrie:", "Serie:"),
    caption(W, "Text", 4, "Sèrie:", "Serie:"),
};

}  // namespace

std::span<const CaptionEntry> portadaCaptions() { return kPortada; }

}  // namespace sc::captions
