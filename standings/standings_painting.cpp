// Colours of the live classification rows: parity colours of the ranked
// rows and the three kinds of fastest lap.
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"

namespace sc {

using namespace cls;

void StandingsEngine::PintarClass() {
    for (int r = 1; r <= rows(); ++r) paintRow(r);
}

void StandingsEngine::paintRow(int r) {
    Grid& g = InfoClass;
    const int last = g.Cols() - 1;
    const ProgramSettings& s = state_.Settings;
    const int parity = paletteOf(s, r % 2 == 0 ? Paint::EvenRow : Paint::OddRow);
    g.Select(r, kNumber, r, last);
    g.SetCellBackColour(kButtonFace);
    g.SetCellForeColour(kBlack);
    const double position = num(g, r, kPosition);
    if (position != 0) {
        g.Select(r, kNumber, r, kGapAhead);
        g.SetCellBackColour(parity);
        if (position == num(g, 0, kPosition))
            g.SetCellForeColour(kLightRed);  // the cut of the first race series
    }
    if (num(g, r, kHeatLaps) != 0) {
        g.Select(r, kLane, r, last);
        g.SetCellBackColour(parity);
    }
    paintFastestLapCell(r, kLastLap);
    paintFastestLapCell(r, kHeatBest);
}

// The absolute fastest lap outranks the participant's, which outranks the heat's.
void StandingsEngine::paintFastestLapCell(int r, int col) {
    Grid& g = InfoClass;
    const std::string& text = g.TextMatrix(r, col);
    if (blank(text)) return;
    const ProgramSettings& s = state_.Settings;
    int colour;
    if (text == TaulaVR.TextMatrix(1, kVrTime))
        colour = paletteOf(s, Paint::AbsoluteFastest);
    else if (text == g.TextMatrix(r, kFastest))
        colour = paletteOf(s, Paint::ParticipantFastest);
    else if (text == g.TextMatrix(r, kHeatBest))
        colour = paletteOf(s, Paint::HeatFastest);
    else
        return;
    g.Select(r, col);
    g.SetCellBackColour(colour);
}

}  // namespace sc
