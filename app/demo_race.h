#pragma once
// A small program folder with two races, for screenshots and demonstrations.

#include <filesystem>

namespace sc {

// Writes VIROLA.CFG (in `language`), an eight-lane PISTA.CFG, two races and
// the catalogue into `folder`, with twelve drivers in the first race's
// official practice and first race series; false when something could not
// be written.
bool createDemoProgramFolder(const std::filesystem::path& folder, int language);

}  // namespace sc
