#pragma once
// The configuration dialogs as the program opens them (modal).

#include <memory>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace sc {

struct RaceState;
class Prompter;

// Shows the program settings window modally; it saves VIROLA.CFG itself.
void execProgramSettingsDialog(RaceState& state, Prompter& prompter, QWidget* parent);
// Shows the track configuration window modally with the state's track
// configuration; it saves PISTA.CFG into the working folder.
void execTrackConfigDialog(RaceState& state, Prompter& prompter, QWidget* parent);
// The menus' way in: loads the program-wide PISTA.CFG, or the selected race's
// copy when `ofRace`, then shows the window.
void editTrackConfig(RaceState& state, Prompter& prompter, QWidget* parent, bool ofRace);

// The configuration windows, filled from the state, for the screenshots.
std::vector<std::pair<std::string, std::unique_ptr<QWidget>>> configWindowsForScreenshots(RaceState& state,
                                                                                          Prompter& prompter,
                                                                                          QWidget* parent);

}  // namespace sc
