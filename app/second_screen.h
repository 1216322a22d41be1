#pragma once
// The drivers' monitor: which live window is shown full screen on the second
// screen, remembered in PANTALLA2.INI in the program folder across runs.

#include <filesystem>
#include <string>

namespace sc {

inline constexpr const char* kSecondScreenFileName = "PANTALLA2.INI";

// "Classificacio" or "VoltaaVolta"; empty when none was chosen or the file is unreadable.
std::string readSecondScreenChoice(const std::filesystem::path& appFolder);
// An empty window forgets the choice. False when the file could not be written.
bool writeSecondScreenChoice(const std::filesystem::path& appFolder, const std::string& window);

// The live window full screen on a second screen only: with one screen it stays a child window.
bool canUseSecondScreen(int screens);

}  // namespace sc
