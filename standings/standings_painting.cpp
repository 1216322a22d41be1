// Colours of the live classification rows: parity colours of the ranked
// rows and the three kinds of fastest lap. Each cell gets its final colour
// once, so a repaint that changes nothing reports no change to the view.
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"

namespace sc {

using namespace cls;

namespace {
constexpr int kNoFastestLap = -2;  // below every palette entry and the default colour
}  // namespace

void StandingsEngine::PintarClass() {
    for (int r = 1; r <= rows(); ++r) paintRow(r);
}

// Cols from kNumber on: the button face, the parity colour on a ranked row up to
// the gaps and on a row of the heat from the lane on, the fastest laps over
// both. The selection ends where painting block by block leaves it.
void StandingsEngine::paintRow(int r) {
    Grid& g = InfoClass;
    const int last = g.Cols() - 1;
    const ProgramSettings& s = state_.Settings;
    const int parity = paletteOf(s, r % 2 == 0 ? Paint::EvenRow : Paint::OddRow);
    const double position = num(g, r, kPosition);
    const bool ranked = position != 0, inHeat = num(g, r, kHeatLaps) != 0;
    const bool cut = ranked && position == num(g, 0, kPosition);  // the cut of the first race series
    int selFirst = kNumber, selLast = last;
    if (ranked) selLast = kGapAhead;
    if (inHeat) selFirst = kLane, selLast = last;
    for (int c = kNumber; c <= last; ++c) {
        int back = (ranked && c <= kGapAhead) || (inHeat && c >= kLane) ? parity : kButtonFace;
        if (const int fastest = fastestLapColour(r, c); fastest != kNoFastestLap) {
            back = fastest;
            selFirst = selLast = c;
        }
        g.SetCellBackColourAt(r, c, back);
        g.SetCellForeColourAt(r, c, cut && c <= kGapAhead ? kLightRed : kBlack);
    }
    g.Select(r, selFirst, r, selLast);
}

// The absolute fastest lap outranks the participant's, which outranks the heat's.
int StandingsEngine::fastestLapColour(int r, int col) const {
    if (col != kLastLap && col != kHeatBest) return kNoFastestLap;
    const Grid& g = InfoClass;
    const std::string& text = g.TextMatrix(r, col);
    if (blank(text)) return kNoFastestLap;
    const ProgramSettings& s = state_.Settings;
    if (text == TaulaVR.TextMatrix(1, kVrTime)) return paletteOf(s, Paint::AbsoluteFastest);
    if (text == g.TextMatrix(r, kFastest)) return paletteOf(s, Paint::ParticipantFastest);
    if (text == g.TextMatrix(r, kHeatBest)) return paletteOf(s, Paint::HeatFastest);
    return kNoFastestLap;
}

}  // namespace sc
