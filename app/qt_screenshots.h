#pragma once
// Renders every window the program has, filled with a demo race, to PNG
// files in both languages (run with QT_QPA_PLATFORM=offscreen).

#include <filesystem>
#include <string>

namespace sc {

// Returns the number of files written; `problem` tells why when it is 0.
int writeScreenshots(const std::filesystem::path& outputFolder, std::string& problem);

}  // namespace sc
