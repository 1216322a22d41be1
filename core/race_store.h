#pragma once
// The race catalogue PROVES.LLS, race folders PROVAnnn, the race header
// PROVA.DAD and the participant lists (*.PAR).

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/race_state.h"

namespace sc {

inline constexpr const char* kCatalogueFileName = "PROVES.LLS";
inline constexpr const char* kRaceHeaderFileName = "PROVA.DAD";
inline constexpr const char* kEntrantsFileName = "PROVA.PAR";

// "PROVA" + number in at least three digits.
std::string raceFolderName(int raceNumber);
// "LLR", "OFC", "SPP", "CRS" for modalities 1..4; empty otherwise.
std::string modalityPrefix(int modality);
// Prefix + series in three digits, e.g. CRS001.
std::string seriesBaseName(int modality, int series);

struct CatalogueEntry {
    std::string name;  // UTF-8
    std::string date;
};

// Reading and writing PROVES.LLS (throws FileError on a damaged file).
std::vector<CatalogueEntry> readCatalogue(const std::filesystem::path& file);
Bytes catalogueBytes(const std::vector<CatalogueEntry>& races);
bool writeCatalogue(const std::filesystem::path& file, const std::vector<CatalogueEntry>& races);

// Walks PROVA001, PROVA002, ... up to the first gap; writes PROVES.LLS, or
// removes it when no race folder exists. Returns the races found.
std::vector<CatalogueEntry> rebuildRaceCatalogue(const std::filesystem::path& appFolder);
// Reads PROVES.LLS, rebuilding it first when missing. Empty: no race is active.
std::vector<CatalogueEntry> loadRaceCatalogue(const std::filesystem::path& appFolder);

struct RaceHeader {
    std::array<int16_t, 4> SeriesCount{};  // modalities 1..4
    std::string name;
    std::string date;
};

RaceHeader readRaceHeader(const std::filesystem::path& file);
Bytes raceHeaderBytes(const RaceHeader& header);
bool writeRaceHeader(const std::filesystem::path& file, const RaceHeader& header);
// Rewrites the four counts at the head, leaving the rest untouched.
bool writeSeriesCounts(const std::filesystem::path& file, const std::array<int16_t, 4>& counts);
// Rewrites the two counted texts from offset 19 on (bytes beyond stay, never read).
bool writeRaceNameAndDate(const std::filesystem::path& file, const std::string& name, const std::string& date);

struct ParticipantList {
    int16_t heats = 0;               // heat counter
    std::vector<std::string> names;  // file entries only, in order
};

ParticipantList readParticipantList(const std::filesystem::path& file);
Bytes participantListBytes(const ParticipantList& list);
bool writeParticipantList(const std::filesystem::path& file, const ParticipantList& list);
// Rewrites the heat counter alone, in place.
bool writeHeatCounter(const std::filesystem::path& file, int16_t heats);

// The participants of `series` of CurrentModality into CurrentHeat,
// ParticipantCount and Participants (padded to LaneCount); PROVA.PAR for modality 0.
void LoadParticipants(RaceState& state, int series);

}  // namespace sc
