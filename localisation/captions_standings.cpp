// Captions of the live views, results, lap listing and corrections windows.
#include "localisation/caption_data.h"

namespace sc::captions {
namespace {

constexpr std::string_view CO = "Corregir";
constexpr std::string_view LV = "LlistarVoltes";
constexpr std::string_view RE = "Resultats";
constexpr std::string_view VV = "VoltaaVolta";
constexpr std::string_view CL = "Classificacio";

constexpr CaptionEntry kViews[] = {
    title(CO, "Corregir dades", "Corregir datos", TextMode::CorrectingData),
    title(CO, "Entrar comes", "Entrar comas", TextMode::EnteringComas),
    caption(CO, "Text", 4, "V.Ràpida", "V.Rápida", TextMode::CorrectingData),
    caption(CO, "Text", 4, "Coma", "Coma", TextMode::EnteringComas),
    caption(CO, "Text", 0, "Màniga Nº", "Manga Nº"),
    caption(CO, "Text", 1, "Pista", "Pista"),
    caption(CO, "Text", 2, "Participant", "Participante"),
    caption(CO, "Text", 3, "Voltes", "Vueltas"),

    caption(LV, "Ordre", -1, "Ordenar", "Ordenar"),
    caption(LV, "CriteriOrdre", 1, "Per n. de volta", "Por nº de vuelta"),
    caption(LV, "CriteriOrdre", 2, "Per temps", "Por tiempo"),
    caption(LV, "CriteriOrdre", 3, "Per temps de màniga", "Por tiempo de manga"),
    caption(LV, "TextFiltre", 1, "Participant:", "Participante:"),
    caption(LV, "TextFiltre", 2, "Pista:", "Pista:"),
    caption(LV, "TextFiltre", 3, "Passada:", "Pasada:"),
    toolTip(LV, "Filtre", 4, "Mànigues de ", "Mangas de "),
    gridFormat(LV, "LlistaVoltes", -1,
               "|^Ser.|Dor.|<Participant|^Psd.|^Pst.|^Mng.|^Vlt. nº|HdP|>Temps|HdP|>T. de màniga",
               "|^Ser.|Dor.|<Participante|^Psd.|^Pst.|^Mng.|^Vlt. nº|HdP|>Tiempo|HdP|>T. de manga"),
    caption(LV, "Contador", 0, "Lectures:", "Lecturas:"),
    caption(LV, "Contador", 3, "Inici de la màniga:", "Inicio de la manga:"),

    caption(RE, "Ordre", -1, "Classificació per:", "Clasificación por:"),
    caption(RE, "CriteriOrdre", 1, "Total voltes", "Total vueltas"),
    caption(RE, "CriteriOrdre", 2, "Volta ràpida", "Vuelta rápida"),
    caption(RE, "CriteriOrdre", 3, "Voltes parcials", "Vueltas parciales"),
    caption(RE, "CriteriOrdre", 4, "Volta ràpida parcial", "Vuelta rápida parcial"),
    caption(RE, "TextFiltre", 1, "Participant:", "Participante:"),
    caption(RE, "TextFiltre", 2, "Pista:", "Pista:"),
    caption(RE, "TextFiltre", 3, "Passada:", "Pasada:"),
    toolTip(RE, "Filtre", 4, "Mànigues dels participants", "Mangas de los participantes"),
    gridFormat(RE, "LlistaVoltes", -1,
               "|^Ser.|Dor.|<Participant|^Psd.|^Pst.|^Mng.|>Total V.|HdP|>V. Ràpida|HdP|>V. parc.|HdP|"
               ">V.R. parc.|HdP|>Dif. Prm.|>Dif. Ant.|>Pen.",
               "|^Ser.|Dor.|<Participante|^Psd.|^Pst.|^Mng.|>Total V.|HdP|>V. Rápida|HdP|>V. parc.|HdP|"
               ">V.R. parc.|HdP|>Dif. Prm.|>Dif. Ant.|>Pen."),
    caption(RE, "Imprimir", 0, "&Imprimir", "&Imprimir"),
    caption(RE, "Imprimir", 1, "Imprimir &Quadrant", "Imprimir &Cuadrante"),

    caption(VV, "Titol", 0, "Pista", "Pista"),

    gridFormat(
        CL, "InfoClass", -1,
        "|^Dorsal|<Participant|Voltes|HoraPas|>VRàpida|HoraPas|^Pst.|>Dif.Prm.|>Dif.Ant.|nm|^Pst.|^Voltes|"
        "^+/-|>Última|>Millor",
        "|^Dorsal|<Participante|Vueltas|HoraPaso|>VRápida|HoraPaso|^Pst.|>Dif.Prm.|>Dif.Ant.|nm|^Pst.|"
        "^Vueltas|^+/-|>Última|>Mejor"),
    listItems(CL, "Legenda", -1, "VR absoluta\nVR participant\nVR partic./màniga",
              "VR absoluta\nVR participante\nVR partic./manga"),
    gridFormat(CL, "TaulaVR", -1, "^VR|^Participant|n.|^Pst.|^Sèr.", "^VR|^Participante|nº|^Pst.|^Ser."),
    gridFormat(CL, "LlistaTR", -1, "Temps", "Tiempo"),
    gridFormat(CL, "Ref", -1, "Referències", "Referencias"),
};

}  // namespace

std::span<const CaptionEntry> standingsCaptions() { return kViews; }

}  // namespace sc::captions
