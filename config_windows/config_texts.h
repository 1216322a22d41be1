#pragma once
// Captions, list texts and messages of the two configuration windows, in
// Catalan (language 0, and any unknown value) and Spanish (language 1).
// Kept together so the shared language tables can take them over in one place.

#include <string>
#include <vector>

#include "config_windows/form_controls.h"

namespace sc {

enum class ConfigText {
    ProgramTitle,        // child window title: the menu entry without its "..."
    TrackTitleGeneral,
    TrackTitleRace,
    LargestPartial,      // "El parcial més gran és: "
    NoPortFound,
    PortsFound,
    ErrorTitle,
    SaveFailed,          // followed by the file name
    PartialTooLarge,
    AvisHint,            // tool tip of the warning of a race whose heats have run
};

std::string configText(int language, ConfigText which);

std::vector<ControlCaption> programSettingsCaptions(int language);
std::vector<ControlCaption> trackConfigCaptions(int language);

std::vector<std::string> languageNames(int language);   // LlistaIdiomes
std::vector<std::string> lapCounterNames();              // LlistaComptavoltes
std::vector<std::string> colourNames(int language);      // LlistaColors, palette order
std::vector<std::string> comaDefinitionNames(int language);  // "Més gran", "Per parcials"
std::vector<std::string> yesNoNames(int language);       // entry 0 no, entry 1 yes

}  // namespace sc
