#pragma once
// Scales a window designed for an 800 x 600 screen to the actual screen:
// fonts grow with ScaleY, free-standing geometry with ScaleX/ScaleY, grids
// also widen their columns and rows. Widgets inside layouts keep their place.

class QWidget;

namespace sc {

struct RaceState;

void ScaleControl(QWidget* item, double scaleX, double scaleY);
void ScaleWindow(QWidget* window, const RaceState& state);

}  // namespace sc
