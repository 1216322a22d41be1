#include "standings/live_table_fit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sc {

namespace {

// Font and columns with every heading at least `headerRatio` of the cells' font.
LiveTableFit fitAt(const LiveTableRoom& room, double headerRatio) {
    LiveTableFit fit;
    std::vector<double> ems;
    for (std::size_t c = 0; c < room.columnEms.size(); ++c) {
        const double heading = c < room.headerEms.size() ? room.headerEms[c] * headerRatio : 0;
        ems.push_back(room.columnEms[c] > 0 ? std::max(room.columnEms[c], heading) : 0);
    }
    const double total = std::accumulate(ems.begin(), ems.end(), 0.0);
    const double rowUnits = std::max(room.rows, 1) * kRowPerFont + kHeaderPerFont * kRowPerFont;
    double font = room.maxFontPixels;
    if (total > 0) font = std::min(font, room.width / total);
    font = std::min(font, room.height / rowUnits);
    font = std::max(std::floor(font), room.minFontPixels);
    fit.fontPixels = font;
    // Whatever width the font leaves is shared in proportion, so the table fills its window.
    const double spread = total > 0 ? std::max(room.width / (total * font), 1.0) : 1.0;
    for (double em : ems) fit.columnWidths.push_back(static_cast<int>(std::floor(em * font * spread)));
    return fit;
}

}  // namespace

LiveTableFit fitLiveTable(const LiveTableRoom& room) {
    LiveTableFit fit = fitAt(room, kMinHeaderPerFont);
    // A small font keeps a readable heading, relatively larger: fit again with it.
    const double readable = std::min(room.minFontPixels / fit.fontPixels, kHeaderPerFont);
    if (readable > kMinHeaderPerFont) fit = fitAt(room, readable);
    // The heading font is as large as the narrowest column's heading allows.
    double header = std::floor(fit.fontPixels * kHeaderPerFont);
    for (std::size_t c = 0; c < room.headerEms.size() && c < fit.columnWidths.size(); ++c)
        if (room.columnEms[c] > 0 && room.headerEms[c] > 0)
            header = std::min(header, std::floor(fit.columnWidths[c] / room.headerEms[c]));
    fit.headerFontPixels = std::max(header, std::min(room.minFontPixels, fit.fontPixels));
    fit.rowHeight = static_cast<int>(std::floor(fit.fontPixels * kRowPerFont));
    fit.headerHeight = static_cast<int>(std::ceil(fit.headerFontPixels * kRowPerFont)) + 2;
    return fit;
}

}  // namespace sc
