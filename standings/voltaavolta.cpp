#include "standings/voltaavolta.h"

#include <algorithm>

#include "core/number_format.h"
#include "core/race_state.h"

namespace sc {

namespace {

constexpr int kMaxLanesPerRow = 10;
constexpr int kFastestColourEntry = 2;
constexpr int kEvenLaneColourEntry = 3;
constexpr int kOddLaneColourEntry = 4;
constexpr int kFallbackColour = 15;

struct TitleSize {
    int minLanesPerRow, fontSize, height, width;
};
// Largest first: the first whose minimum the lanes per row reach.
constexpr TitleSize kTitleSizes[] = {{9, 14, 240, 1050}, {6, 16, 350, 1320}, {2, 18, 400, 1590}, {1, 20, 480, 1760}};

int colourEntry(const ProgramSettings& settings, int entry) {
    if (entry < 0 || entry >= static_cast<int>(settings.Colours.size())) return kFallbackColour;
    return settings.Colours[entry];
}

// Lap times are compared as shown, so two laps that read the same tie.
double shown(float lapTime) { return ReadNumber(FormatNumber(lapTime, VoltaaVolta::kLapMask)); }

}  // namespace

LaneBlockLayout LayOutLaneBlocks(int laneCount) {
    LaneBlockLayout layout;
    laneCount = std::max(laneCount, 1);
    layout.blockRows = (laneCount - 1) / kMaxLanesPerRow + 1;
    layout.lanesPerRow = (laneCount - 1) / layout.blockRows + 1;
    layout.halfHeight = layout.blockRows > 1;
    for (const TitleSize& size : kTitleSizes) {
        if (layout.lanesPerRow < size.minLanesPerRow) continue;
        layout.titleFontSize = size.fontSize;
        layout.titleHeight = size.height;
        layout.titleWidth = size.width;
        break;
    }
    return layout;
}

VoltaaVolta::VoltaaVolta(int laneCount, const ProgramSettings& settings, std::string titleCaption)
    : settings_(settings),
      titleCaption_(std::move(titleCaption)),
      blocks_(static_cast<std::size_t>(std::max(laneCount, 0)) + 1),
      layout_(LayOutLaneBlocks(laneCount)) {
    for (int lane = 1; lane <= LaneCount(); ++lane) {
        Lane(lane).title = titleCaption_ + Str(lane);
        ResetLane(lane);
    }
}

int VoltaaVolta::laneColour(int lane) const {
    return colourEntry(settings_, lane % 2 == 0 ? kEvenLaneColourEntry : kOddLaneColourEntry);
}

void VoltaaVolta::ResetLane(int lane) {
    LaneBlock& block = Lane(lane);
    block.driverBackColour = laneColour(lane);
    block.driverForeColour = 0;
    block.fastestLap.clear();
    block.highlightedRow = 0;
    block.list = Grid(2, 1, 1, 0);
    block.list.SetTextMatrix(0, 0, "0");
    block.list.Select(1, 0);
    block.list.SetCellBackColour(laneColour(lane));
    flagLane_ = 0;
}

void VoltaaVolta::ResetAll() {
    for (int lane = 1; lane <= LaneCount(); ++lane) ResetLane(lane);
    flagLane_ = 0;
}

void VoltaaVolta::SetUpAllLanes() {
    ResetAll();
    for (int lane = 1; lane <= LaneCount(); ++lane) Lane(lane).titleVisible = true;
}

void VoltaaVolta::SetUpLanes(const std::vector<int16_t>& laneParticipant) {
    ResetAll();
    for (int lane = 1; lane <= LaneCount(); ++lane) {
        const bool placed = lane < static_cast<int>(laneParticipant.size()) && laneParticipant[lane] != 0;
        Lane(lane).titleVisible = placed;
        if (!placed) Lane(lane).driver.clear();
    }
}

bool VoltaaVolta::ListEmpty(int lane) const { return Lane(lane).list.TextMatrix(1, 0).empty(); }

void VoltaaVolta::ShowFirstPass(int lane) { Lane(lane).list.SetTextMatrix(1, 0, kFirstPassText); }

bool VoltaaVolta::AppendLap(int lane, float lapTime) {
    LaneBlock& block = Lane(lane);
    Grid& list = block.list;
    const std::string text = FormatNumber(lapTime, kLapMask);
    list.AddItem(text);
    const int row = list.Rows() - 1;
    list.Select(row, 0);
    list.SetCellBackColour(laneColour(lane));
    list.SetTopRow(row);
    const bool fastest = block.fastestLap.empty() || shown(lapTime) <= ReadNumber(block.fastestLap);
    if (!fastest) return false;
    if (block.highlightedRow > 0) {
        list.Select(block.highlightedRow, 0);
        list.SetCellBackColour(laneColour(lane));
    }
    block.fastestLap = text;
    block.highlightedRow = row;
    list.Select(row, 0);
    list.SetCellBackColour(colourEntry(settings_, kFastestColourEntry));
    return true;
}

bool VoltaaVolta::ShowDeviceBest(int lane, float best) {
    if (ListEmpty(lane)) Lane(lane).list.SetRows(1);  // the empty first row takes it
    return AppendLap(lane, best);
}

int VoltaaVolta::PassCount(int lane) const { return static_cast<int>(Lane(lane).list.Number(0, 0)); }

int VoltaaVolta::CountPass(int lane, int by) {
    const int count = PassCount(lane) + by;
    Lane(lane).list.SetTextMatrix(0, 0, FormatNumber(count, "0"));
    flagLane_ = lane;
    return count;
}

std::string VoltaaVolta::LastLapText(int lane) const {
    const Grid& list = Lane(lane).list;
    return list.TextMatrix(list.Rows() - 1, 0);
}

void VoltaaVolta::SetScrollValue(int value) { scrollValue_ = std::clamp(value, ScrollMin(), ScrollMax()); }

void VoltaaVolta::AutoScrollStep() {
    scrollValue_ = scrollValue_ >= ScrollMax() ? ScrollMin() : scrollValue_ + 1;
}

}  // namespace sc
