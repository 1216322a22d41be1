// Captions of the race, entrants, penalties, export and about windows.
#include "localisation/caption_data.h"

namespace sc::captions {
namespace {

constexpr std::string_view NP = "NovaProva";
constexpr std::string_view GP = "GestorProves";
constexpr std::string_view IN = "Inscrits";
constexpr std::string_view PE = "Penalitzacions";
constexpr std::string_view EX = "Exportar";
constexpr std::string_view AB = "Informacio";

constexpr TextMode kEntrants = TextMode::EntrantsList;
constexpr TextMode kParticipants = TextMode::ParticipantsList;

constexpr CaptionEntry kRaceWindows[] = {
    caption(NP, "Text", 0, "Nom:", "Nombre:"),

    caption(GP, "Text", 0, "Prova:", "Prueba:"),
    caption(GP, "Text", 1, "Data:", "Fecha:"),
    caption(GP, "Text", 2, "Sèrie:", "Serie:"),
    caption(GP, "Text", 3, "Mànigues completades:", "Mangas completadas:"),
    caption(GP, "Text", 4, "Numero de series.", "Número de series."),
    caption(GP, "Text", 5, "Fitxers:", "Ficheros:"),
    caption(GP, "Text", 6, "Modalitat:", "Modalidad:"),
    caption(GP, "Sortir", 2, "&Eliminar prova...", "&Eliminar prueba..."),
    caption(GP, "Sortir", 3, "&Modificar dades prova...", "&Modificar datos prueba..."),
    caption(GP, "Sortir", 4, "Eliminar &sèrie...", "Eliminar &serie..."),
    caption(GP, "Sortir", 5, "Arxivar prova...", "Archivar prueba..."),
    caption(GP, "Sortir", 7, "Desarxivar prova...", "Desarchivar prueba..."),

    caption(IN, "Text", 1, "N. d'inscrits:", "Nº de inscritos:", kEntrants),
    caption(IN, "Text", 1, "N. de participants:", "Nº de participantes:", kParticipants),
    caption(IN, "Text", 4, "Inscrit", "Inscrito", kEntrants),
    caption(IN, "Text", 4, "Participant", "Participante", kParticipants),
    caption(IN, "Text", 5, "Dorsal", "Dorsal", kEntrants),
    caption(IN, "Text", 5, "N.", "Nº", kParticipants),
    caption(IN, "Reordenar", -1, "Reordena aleatòriament", "Reordena aleatoriamente"),
    caption(IN, "Text", 6, "Ordenar per:", "Ordenar por:"),
    toolTip(IN, "LlistaInscrits", -1, "Doble clic per entrar-lo", "Doble clic para entrarlo"),

    caption(PE, "Text", 1, "Participant:", "Participante:"),
    caption(PE, "Text", 2, "Voltes de penalització:", "Vueltas de penalización:"),
    caption(PE, "Text", 3, "Motiu(s):", "Motivo(s):"),
    gridFormat(PE, "Quadre", -1, "<Participant|^Penalització|<Motiu(s)",
               "<Participante|^Penalización|<Motivo(s)"),

    caption(EX, "Text", 1, "Nom de l'arxiu:", "Nombre del archivo:"),
    caption(EX, "FormatArxiu", -1, "Format:", "Formato:"),
    caption(EX, "QuaSep", -1, "Voltes i V.Ràpides en quadrants separats",
            "Vueltas y V.Rápidas en cuadrantes separados"),
    caption(EX, "Text", 0, "Gravar a:", "Grabar en:", TextMode::SavingFile),
    caption(EX, "Text", 0, "Llegir de:", "Leer de:", TextMode::ReadingFile),
    caption(EX, "Sortir", 1, "D'acord", "Aceptar"),
    caption(EX, "Cancellar", -1, "Cancel·lar", "Cancelar"),

    caption(AB, "Descripcio", -1, "Programa de gestió de curses en circuits d'Slot.",
            "Programa de gestión de carreras en circuitos de Slot."),
    {AB, "", -1, TextKind::AboutTitlePrefix, TextMode::Always, "Informació de ", "Información de "},
    {AB, "Versio", -1, TextKind::AboutVersionWord, TextMode::Always, " Versió ", " Versión "},
};

}  // namespace

std::span<const CaptionEntry> raceDialogCaptions() { return kRaceWindows; }

}  // namespace sc::captions
