#pragma once
// A fresh program folder per test, with small writers for the files start-up
// and the main window read. Header-only: the window tests are single files.

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "core/race_state.h"
#include "core/race_store.h"
#include "tests/temp_folder.h"

namespace sc::test {

inline void writeText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

inline std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An empty program folder, and the race state and prompter a window works on.
struct AppState {
    AppState() { state.AppFolder = state.WorkingFolder = folder.path(); }
    TempFolder folder;
    RaceState state;
    QueuedPrompter prompter;
};

// A race folder PROVAnnn with its header, and its catalogue entry.
inline void addRace(const std::filesystem::path& appFolder, const std::string& name, const std::string& date,
                    std::array<int16_t, 4> seriesCounts) {
    const std::filesystem::path catalogue = appFolder / kCatalogueFileName;
    std::vector<CatalogueEntry> races;
    if (std::filesystem::exists(catalogue)) races = readCatalogue(catalogue);
    races.push_back({name, date});
    const std::filesystem::path folder = appFolder / raceFolderName(static_cast<int>(races.size()));
    std::filesystem::create_directories(folder);
    RaceHeader header;
    header.SeriesCount = seriesCounts;
    header.name = name;
    header.date = date;
    if (!writeRaceHeader(folder / kRaceHeaderFileName, header) || !writeCatalogue(catalogue, races))
        throw std::runtime_error("cannot write race " + name);
}

}  // namespace sc::test
