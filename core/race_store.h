#pragma once
// The race catalogue PROVES.LLS, race folders PROVAnnn, the race header
// PROVA.DAD and the participant lists (*.PAR).
//
// Texts are UTF-8 in memory and Windows-1252 on disk. The byte builders throw
// std::invalid_argument when a text has no Windows-1252 form; the writers turn
// that into a WriteResult (kTextNotWritable) before touching the file, so the
// caller tells the user and the name is never altered.
// Readers throw FileError (file, offset) for a damaged file.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/race_state.h"
#include "core/write_result.h"

namespace sc {

inline constexpr const char* kCatalogueFileName = "PROVES.LLS";
inline constexpr const char* kRaceHeaderFileName = "PROVA.DAD";
inline constexpr const char* kEntrantsFileName = "PROVA.PAR";

// Series numbers are written with three digits, so no modality has more.
inline constexpr int16_t kMaxSeries = 999;

// "PROVA" + number in at least three digits.
std::string raceFolderName(int raceNumber);
// "LLR", "OFC", "SPP", "CRS" for modalities 1..4; empty otherwise.
std::string modalityPrefix(int modality);
// Prefix + series in three digits, e.g. CRS001.
std::string seriesBaseName(int modality, int series);

struct CatalogueEntry {
    std::string name;  // UTF-8
    std::string date;
    bool operator==(const CatalogueEntry&) const = default;
};

// Problems met while reading the race files, one English line each
// ("PROVA003\PROVA.DAD: offset 19: ..."); empty when all went well.
struct StoreReport {
    int language = 0;                   // of the problems' texts: 0 Catalan, 1 Spanish
    std::vector<std::string> problems;  // one sentence each, saying what became of the file
};

// Reading and writing PROVES.LLS (throws FileError on a damaged file).
std::vector<CatalogueEntry> readCatalogue(const std::filesystem::path& file);
std::vector<CatalogueEntry> readCatalogueBytes(const Bytes& data,
                                               const std::filesystem::path& file = kCatalogueFileName);
Bytes catalogueBytes(const std::vector<CatalogueEntry>& races);
WriteResult writeCatalogue(const std::filesystem::path& file, const std::vector<CatalogueEntry>& races);

// Walks PROVA001, PROVA002, ... up to the first gap; writes PROVES.LLS, or
// removes it when no race folder exists. Returns the races found. A folder
// whose PROVA.DAD is missing or damaged keeps its place (race numbers are
// catalogue positions) under its folder name with an empty date, and is
// listed in `report`.
std::vector<CatalogueEntry> rebuildRaceCatalogue(const std::filesystem::path& appFolder,
                                                 StoreReport* report = nullptr);
// Reads PROVES.LLS, rebuilding it first when missing, or when it is damaged
// (listed in `report`). Empty: no race is active.
std::vector<CatalogueEntry> loadRaceCatalogue(const std::filesystem::path& appFolder,
                                              StoreReport* report = nullptr);

struct RaceHeader {
    std::array<int16_t, 4> SeriesCount{};  // modalities 1..4
    std::string name;
    std::string date;
    bool operator==(const RaceHeader&) const = default;
};

// Series counts outside 0..kMaxSeries are clamped and listed in `report`.
RaceHeader readRaceHeader(const std::filesystem::path& file, StoreReport* report = nullptr);
RaceHeader readRaceHeaderBytes(const Bytes& data, StoreReport* report = nullptr,
                               const std::filesystem::path& file = kRaceHeaderFileName);
Bytes raceHeaderBytes(const RaceHeader& header);
WriteResult writeRaceHeader(const std::filesystem::path& file, const RaceHeader& header);
// Rewrites the four counts at the head, leaving the rest untouched; ENOENT
// when the file does not exist.
WriteResult writeSeriesCounts(const std::filesystem::path& file, const std::array<int16_t, 4>& counts);
// Rewrites the two counted texts from offset 19 on (bytes beyond stay, never
// read); ENOENT when the file does not exist.
WriteResult writeRaceNameAndDate(const std::filesystem::path& file, const std::string& name,
                                 const std::string& date);

struct ParticipantList {
    int16_t heats = 0;               // heat counter
    std::vector<std::string> names;  // file entries only, in order
    bool operator==(const ParticipantList&) const = default;
};

// A list longer than an Integer can count is refused as damaged.
inline constexpr std::size_t kMaxParticipantEntries = 32767;

ParticipantList readParticipantList(const std::filesystem::path& file);
ParticipantList readParticipantListBytes(const Bytes& data,
                                         const std::filesystem::path& file = kEntrantsFileName);
Bytes participantListBytes(const ParticipantList& list);
WriteResult writeParticipantList(const std::filesystem::path& file, const ParticipantList& list);
// Rewrites the heat counter alone, in place (a missing file is created
// holding only the counter, which is an empty list).
WriteResult writeHeatCounter(const std::filesystem::path& file, int16_t heats);

// The participant file of `series` of CurrentModality in the working folder:
// PROVA.PAR for modality 0, e.g. CRS001.PAR for 4; none for other values.
std::optional<std::filesystem::path> participantFile(const RaceState& state, int series);

// The participants of `series` of CurrentModality into CurrentHeat,
// ParticipantCount and Participants (padded to LaneCount); PROVA.PAR for
// modality 0. A missing file gives an empty padded list and CurrentHeat 0. A
// damaged file leaves that same empty list and throws FileError; a negative
// heat counter loads as 0.
void LoadParticipants(RaceState& state, int series);

}  // namespace sc
