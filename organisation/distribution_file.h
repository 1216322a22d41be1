#pragma once
// The user's distribution files DISTRIBUCIONSnn.TXT (nn = lane count): for a
// field size, how many participants go straight to the semi-finals and so how
// many repechages a race gets. Read only; a missing file is not an error.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/prompter.h"

namespace sc {

// "DISTRIBUCIONS" + lane count in two digits + ".TXT".
std::string distributionFileName(int laneCount);
// The file of the program folder, whatever the case of its name.
std::filesystem::path distributionFilePath(const std::filesystem::path& programFolder, int laneCount);
bool distributionFileExists(const std::filesystem::path& programFolder, int laneCount);

// Series each modality of a new race starts with: 0 when a distribution file
// for the lane count exists and reads cleanly (series are then built one by
// one), else 1.
int initialSeriesCount(const std::filesystem::path& programFolder, int laneCount);

struct DistributionRecord {
    int fieldSize = 0;
    int directPlaces = 0;             // absolute value of the stored number
    std::optional<std::string> note;  // UTF-8; only when the number was stored negative
};

// Why a distribution file could not be used.
enum class DistributionProblem { None, Unreadable, BadLine };

struct DistributionLookup {
    std::optional<DistributionRecord> record;  // the first record for the field size
    // Set when the file could not be read or a record before any match was
    // malformed: reading stopped there and nothing was found.
    DistributionProblem problem = DistributionProblem::None;
    int line = 0;          // BadLine: the line of the wrong field (from 1)
    std::string lineText;  // BadLine: that field as written (UTF-8)
    std::string file;      // the file's name
};

// The director's message about a lookup's problem; empty when there is none.
std::string distributionProblemMessage(int16_t language, const DistributionLookup& lookup);
// Reads the whole file of the lane count: its problem, if it has one.
DistributionLookup checkDistributionFile(const std::filesystem::path& programFolder, int laneCount);

// Looks the field size up in the text of a distribution file (Windows-1252).
DistributionLookup findDistributionRecord(std::string_view fileText, int fieldSize);
// Looks the field size up in the file for the lane count; no record when the
// file is missing.
DistributionLookup readDistributionRecord(const std::filesystem::path& programFolder, int laneCount,
                                          int fieldSize);

// 2 x lanes - direct places: the two semi-finals of L places are filled by the
// direct places and one winner of each repechage. May be negative.
inline int repechageCount(int laneCount, int directPlaces) { return 2 * laneCount - directPlaces; }

struct RepechageReport {
    MessageBox box;
    // First race series: the live classification stores DirectPlaces, hidden,
    // in its top-left cell and colours that row to mark the cut.
    std::optional<int> cutRow;
};
inline constexpr int kCutRowColour = 12;  // light red

// The report shown when a programme opens: official practice, or the first
// race series, with a record found and a repechage count not negative.
// modality is the Modality number 0..4.
std::optional<RepechageReport> repechageReport(int modality, int series, int laneCount,
                                               const DistributionLookup& lookup);

}  // namespace sc
