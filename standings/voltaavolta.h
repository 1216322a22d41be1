#pragma once
// Headless state of the live lap-by-lap window: one block per lane with its
// title, driver box, lap list, pass counter and fastest lap. Registration
// writes into it and reads it back, so it is part of the heat's state.

#include <string>
#include <vector>

#include "core/grid.h"

namespace sc {

struct ProgramSettings;

// One lane's block. The lap list has one column: row 0 holds the pass
// counter, rows from 1 the laps ("+1" for the first pass).
struct LaneBlock {
    bool titleVisible = false;
    std::string title;  // "Pista 3"
    std::string driver;
    std::string number;  // the driver's participant number, what a lap correction types
    int driverBackColour = 15;
    int driverForeColour = 0;
    Grid list{2, 1, 1, 0};
    std::string fastestLap;  // VRapida, "0.0000" or empty
    int highlightedRow = 0;  // row of the fastest lap, 0 when none
};

// Sizes of the lane blocks for a lane count.
struct LaneBlockLayout {
    int blockRows = 1;     // rows of blocks, at most 10 lanes each
    int lanesPerRow = 1;
    bool halfHeight = false;  // more than one row: each takes half the window
    int titleFontSize = 20;
    int titleHeight = 480;  // twips
    int titleWidth = 1760;  // twips
};
LaneBlockLayout LayOutLaneBlocks(int laneCount);

class VoltaaVolta {
public:
    static constexpr const char* kFirstPassText = "+1";
    static constexpr const char* kLapMask = "0.0000";

    // Builds blocks 1..laneCount; `titleCaption` is the template title ("Pista").
    VoltaaVolta(int laneCount, const ProgramSettings& settings, std::string titleCaption = "Pista");

    int LaneCount() const { return static_cast<int>(blocks_.size()) - 1; }
    bool HasLane(int lane) const { return lane >= 1 && lane <= LaneCount(); }
    const LaneBlock& Lane(int lane) const { return blocks_.at(lane); }
    LaneBlock& Lane(int lane) { return blocks_.at(lane); }
    const LaneBlockLayout& Layout() const { return layout_; }

    // ---- heat set-up
    // Training and free practice: every lane takes part.
    void SetUpAllLanes();
    // Other modalities: titles only for lanes with a participant (index = lane).
    void SetUpLanes(const std::vector<int16_t>& laneParticipant);
    // Clears the lap list, fastest lap and colours of one lane and hides the flag.
    void ResetLane(int lane);
    void ResetAll();
    void SetDriver(int lane, std::string name, std::string number = {}) {
        Lane(lane).driver = std::move(name);
        Lane(lane).number = std::move(number);
    }

    // ---- what registration reads and writes
    bool TakesPart(int lane) const { return HasLane(lane) && Lane(lane).titleVisible; }
    bool ListEmpty(int lane) const;  // first data cell blank: no pass yet
    void ShowFirstPass(int lane);
    // Appends a lap row and makes it the fastest when the label is empty or the
    // lap is no slower as shown (a tie moves the highlight to the later lap).
    // Returns whether it became the fastest.
    bool AppendLap(int lane, float lapTime);
    // A device-counted heat's best lap: in the first row when the list is
    // empty, else in a new one; fastest as AppendLap says.
    bool ShowDeviceBest(int lane, float best);
    int PassCount(int lane) const;
    int CountPass(int lane, int by = 1);  // returns the new count; moves the flag
    std::string LastLapText(int lane) const;

    // ---- flag on the lane of the last counted pass
    bool FlagVisible() const { return flagLane_ > 0; }
    int FlagLane() const { return flagLane_; }

    // ---- vertical scrolling of the block frame (scroll bar `Barra`)
    bool ScrollVisible() const { return layout_.blockRows > 2; }
    int ScrollMin() const { return 1; }
    int ScrollMax() const { return ScrollVisible() ? layout_.blockRows - 1 : 1; }
    int ScrollValue() const { return scrollValue_; }
    void SetScrollValue(int value);
    // Frame top for the height of one row of blocks (already scaled).
    int FrameTop(int blockRowHeight) const { return -(scrollValue_ - 1) * blockRowHeight; }
    // One auto-scroll step, wrapping from the maximum to the minimum.
    void AutoScrollStep();

private:
    int laneColour(int lane) const;

    const ProgramSettings& settings_;
    std::string titleCaption_;
    std::vector<LaneBlock> blocks_;  // element 0 unused
    LaneBlockLayout layout_;
    int flagLane_ = 0;
    int scrollValue_ = 1;
};

}  // namespace sc
