#include "standings/classification_columns.h"

#include <algorithm>

#include "localisation/language_tables.h"

namespace sc::cls {

namespace {

constexpr const char* kWindow = "Classificacio";
constexpr int kHidden[] = {kNumber, kSeriesKey, kFastestTime, kHeatKey1, kHeatKey2};

std::string gridFormat(int16_t language, const char* control) {
    return tableText(language, kWindow, control, -1, TextKind::GridFormat).value_or("");
}

}  // namespace

int paletteOf(const ProgramSettings& settings, Paint entry) {
    const auto i = static_cast<std::size_t>(entry);
    if (i < settings.Colours.size()) return std::clamp<int>(settings.Colours[i], 0, 15);
    return kDefaultColour;
}

Grid MakeInfoClass(int16_t language, int participants) {
    Grid grid(std::max(participants, 0) + 1, kColumns, 1, 1);
    grid.SetFormatString(gridFormat(language, "InfoClass"));
    grid.SetCols(kColumns);
    for (int col : kHidden) grid.SetColWidth(col, 0);
    return grid;
}

Grid MakeTaulaVR(int16_t language) {
    Grid grid(2, 5, 1, 0);
    grid.SetFormatString(gridFormat(language, "TaulaVR"));
    return grid;
}

bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace sc::cls
