#pragma once
// The columns of the live classification table InfoClass and of the absolute
// fastest-lap table TaulaVR, their display masks and the palette entries the
// rows are painted with.
#include <string>

#include "core/grid.h"
#include "core/race_state.h"

namespace sc::cls {

// InfoClass columns.
inline constexpr int kPosition = 0;
inline constexpr int kNumber = 1;  // hidden
inline constexpr int kName = 2;
inline constexpr int kLaps = 3;
inline constexpr int kSeriesKey = 4;  // hidden
inline constexpr int kFastest = 5;
inline constexpr int kFastestTime = 6;  // hidden
inline constexpr int kFastestLane = 7;
inline constexpr int kGapLeader = 8;
inline constexpr int kGapAhead = 9;
inline constexpr int kHeats = 10;  // flag picture and heats run
inline constexpr int kLane = 11;
inline constexpr int kHeatLaps = 12;
inline constexpr int kGained = 13;
inline constexpr int kLastLap = 14;
inline constexpr int kHeatBest = 15;
inline constexpr int kHeatPosition = 16;
inline constexpr int kHeatKey1 = 17;  // hidden
inline constexpr int kHeatKey2 = 18;  // hidden
inline constexpr int kColumns = 19;

// Display masks.
inline constexpr const char* kTimeMask = "0.0000;;\\ \\";
inline constexpr const char* kLaneMask = "#;;\\ \\";
inline constexpr const char* kSignedMask = "+#;-#;\\ \\";
inline constexpr const char* kKeyMask = "0.00;;\\ \\";
inline constexpr const char* kClockMask = "0.00";
inline constexpr const char* kGapMask = "+0.0000";
inline constexpr const char* kAbsoluteMask = "0.0000";
inline constexpr const char* kFirstPassText = "+1";

// Background of the fixed cells and of the rows outside the ranking.
inline constexpr int kButtonFace = kDefaultColour;
inline constexpr int kBlack = 0;
inline constexpr int kLightGreen = 10;
inline constexpr int kLightRed = 12;
inline constexpr int kBrightWhite = 15;

// Entries of ProgramSettings::Colours.
enum class Paint { AbsoluteFastest = 1, HeatFastest = 2, EvenRow = 3, OddRow = 4, ParticipantFastest = 5 };
int paletteOf(const ProgramSettings& settings, Paint entry);

// TaulaVR columns of its single data row.
inline constexpr int kVrTime = 0;
inline constexpr int kVrName = 1;
inline constexpr int kVrNumber = 2;
inline constexpr int kVrLane = 3;
inline constexpr int kVrSeries = 4;

// The 19-column table for `participants` rows, headers from the language
// tables, hidden key columns of width 0.
Grid MakeInfoClass(int16_t language, int participants);
Grid MakeTaulaVR(int16_t language);

// A cell read as a number: comma or point, no number reads 0.
inline double num(const Grid& g, int row, int col) { return g.Number(row, col); }
// Blank after trimming.
bool blank(const std::string& text);

}  // namespace sc::cls
