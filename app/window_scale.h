#pragma once
// Arithmetic of scaling a window designed for an 800 x 600 screen.

namespace sc {

inline constexpr double kDesignWidth = 800.0;
inline constexpr double kDesignHeight = 600.0;
inline constexpr double kScrollBarTwips = 285.0;  // a scroll bar keeps this size while its grid grows

bool scalingNeeded(double scaleX, double scaleY);
int scaledLength(int length, double factor);

// Factors for a grid's column widths and row heights: the cells grow a little
// more than the grid so that they fill the room the scroll bars do not take.
struct GridCellScale {
    double column = 1.0;
    double row = 1.0;
};
GridCellScale gridCellScale(double scaleX, double scaleY, double gridWidth, double gridHeight,
                            bool horizontalBar, bool verticalBar);

}  // namespace sc
