#include "standings/live_table_fit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sc {

LiveTableFit fitLiveTable(const LiveTableRoom& room) {
    LiveTableFit fit;
    const double ems = std::accumulate(room.columnEms.begin(), room.columnEms.end(), 0.0);
    const double rowUnits = std::max(room.rows, 1) * kRowPerFont + kHeaderPerFont * kRowPerFont;
    double font = room.maxFontPixels;
    if (ems > 0) font = std::min(font, room.width / ems);
    font = std::min(font, room.height / rowUnits);
    font = std::max(std::floor(font), room.minFontPixels);
    fit.fontPixels = font;
    fit.headerFontPixels = std::max(std::floor(font * kHeaderPerFont), std::min(room.minFontPixels, font));
    fit.rowHeight = static_cast<int>(std::floor(font * kRowPerFont));
    fit.headerHeight = static_cast<int>(std::ceil(fit.headerFontPixels * kRowPerFont)) + 2;
    // Whatever width the font leaves is shared in proportion, so the table fills its window.
    const double spread = ems > 0 ? std::max(room.width / (ems * font), 1.0) : 1.0;
    for (double em : room.columnEms)
        fit.columnWidths.push_back(static_cast<int>(std::floor(em * font * spread)));
    return fit;
}

}  // namespace sc
