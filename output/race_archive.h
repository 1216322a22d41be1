#pragma once
// Packing a race folder into one .prb archive and unpacking it as a new race.
// Both run in the export window (archive mode 5, restore mode 7) and in the
// tool; they report progress through a listener that may cancel.
//
// Neither leaves half a result: the archive is written under a temporary
// name and renamed into place at the end; a restore that stops for any
// reason removes the race folder it created.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/race_state.h"

namespace sc {

// What the window's labels show: InfoArxiu, Percent ("i/n") and InfoTreball.
struct ArchiveProgress {
    std::string InfoArxiu;
    int file = 0;  // 1-based, 0 before the first file
    int files = 0;
    std::string InfoTreball;
    std::string percent() const {
        return file == 0 ? std::string() : std::to_string(file) + "/" + std::to_string(files);
    }
};

// Called after each change of the labels and between blocks of a copy;
// returning false cancels the work.
using ArchiveListener = std::function<bool(const ArchiveProgress&)>;

struct ArchiveOutcome {
    std::string message;  // for the user, current language; empty when done
    int raceNumber = 0;   // restore: the new race
    bool ok() const { return message.empty(); }
};

// Writes `archive` from `raceFolder`: its PROVA.DAD name and date, then
// `files` (names in the folder, UTF-8, trimmed of blanks) in that order.
// An existing `archive` is replaced only when the new one is complete.
ArchiveOutcome ArxivarProva(const RaceState& state, const std::filesystem::path& raceFolder,
                            const std::vector<std::string>& files, const std::filesystem::path& archive,
                            const ArchiveListener& listener = {});

// Restores `archive` as race n + 1 of `appFolder`, where n races stand in
// folders PROVA001.. before the first gap, and rebuilds the catalogue.
// A wrong magic creates nothing; a damaged or hostile table is refused before
// any folder is made.
ArchiveOutcome DesarxivarProva(const RaceState& state, const std::filesystem::path& archive,
                               const std::filesystem::path& appFolder, const ArchiveListener& listener = {});

}  // namespace sc
