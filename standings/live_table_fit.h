#pragma once
// How a live table fills its window: one font size for every cell, as large
// as both the width (every column's text fits) and the height (every row shows)
// allow, so drivers read it from the track at any window size.

#include <vector>

namespace sc {

struct LiveTableFit {
    double fontPixels = 0;          // the cells' font, pixels per em
    double headerFontPixels = 0;    // the header row's font
    int rowHeight = 0;              // pixels of a data row
    int headerHeight = 0;           // pixels of the header row
    std::vector<int> columnWidths;  // pixels, the room shared in proportion to the text
};

struct LiveTableRoom {
    int width = 0;   // pixels available to the columns
    int height = 0;  // pixels available to the header and the rows
    int rows = 0;    // data rows that must all show
    // Width each column's widest text needs, in ems of the cells' font (0: hidden column).
    std::vector<double> columnEms;
    double minFontPixels = 12;
    double maxFontPixels = 160;
    // Width of each column's heading, in ems of its own font: headings shrink to
    // their column rather than widen it.
    std::vector<double> headerEms;
};

inline constexpr double kRowPerFont = 1.25;       // a row's height against its font
inline constexpr double kHeaderPerFont = 0.55;    // the header's font against the cells', at most
inline constexpr double kMinHeaderPerFont = 0.3;  // and at least, unless the minimum font is larger

LiveTableFit fitLiveTable(const LiveTableRoom& room);

}  // namespace sc
