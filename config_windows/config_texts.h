#pragma once
// The texts the two configuration windows build in code: taken from the
// language tables, plus the two messages of their own (a failed save and a
// largest partial that the file cannot hold).

#include <string>
#include <vector>

namespace sc {

enum class ConfigText {
    ProgramTitle,  // child window titles: the main menu entry without its "..."
    TrackTitleGeneral,
    TrackTitleRace,
    LargestPartial,  // "El parcial més gran és: "
    NoPortFound,
    PortsFound,
    PortSearchTitle,  // the caption of the TestCom button
    ErrorTitle,
    SaveFailed,  // followed by the file name
    PartialTooLarge,
};

std::string configText(int language, ConfigText which);

std::vector<std::string> languageNames(int language);        // LlistaIdiomes
std::vector<std::string> lapCounterNames(int language);      // LlistaComptavoltes
std::vector<std::string> colourNames(int language);          // LlistaColors, palette order
std::vector<std::string> comaDefinitionNames(int language);  // "Més gran", "Per parcials"
std::vector<std::string> yesNoNames(int language);           // entry 0 no, entry 1 yes

}  // namespace sc
