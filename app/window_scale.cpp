#include "app/window_scale.h"

#include <cmath>

namespace sc {

bool scalingNeeded(double scaleX, double scaleY) { return !(scaleX == 1.0 && scaleY == 1.0); }

int scaledLength(int length, double factor) { return static_cast<int>(std::lround(length * factor)); }

GridCellScale gridCellScale(double scaleX, double scaleY, double gridWidth, double gridHeight,
                            bool horizontalBar, bool verticalBar) {
    double dx = 0;
    double dy = 0;
    if (horizontalBar && gridHeight > kScrollBarTwips)
        dy = (scaleY - 1) * kScrollBarTwips / (gridHeight - kScrollBarTwips);
    if (verticalBar && gridWidth > kScrollBarTwips)
        dx = (scaleX - 1) * kScrollBarTwips / (gridWidth - kScrollBarTwips);
    return {scaleX + dx, scaleY + dy};
}

}  // namespace sc
