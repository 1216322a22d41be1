#include "localisation/language_tables.h"

#include <algorithm>
#include <vector>

#include "localisation/caption_data.h"

namespace sc {

bool isTableLanguage(int16_t language) { return language == kCatalan || language == kSpanish; }

std::span<const CaptionEntry> captionTable() {
    static const std::vector<CaptionEntry> table = [] {
        std::vector<CaptionEntry> all;
        for (auto block :
             {captions::portadaCaptions(), captions::configurationCaptions(), captions::raceDialogCaptions(),
              captions::standingsCaptions(), captions::tracksideCaptions()})
            all.insert(all.end(), block.begin(), block.end());
        return all;
    }();
    return table;
}

std::optional<std::string> tableText(int16_t language, std::string_view window, std::string_view control,
                                     int index, TextKind kind, TextMode mode) {
    const auto table = captionTable();
    auto it = std::find_if(table.begin(), table.end(), [&](const CaptionEntry& e) {
        return e.window == window && e.control == control && e.kind == kind &&
               (e.index == index || e.index == kEveryIndex) && (e.mode == TextMode::Always || e.mode == mode);
    });
    if (it == table.end()) return std::nullopt;
    return std::string(it->in(language));
}

}  // namespace sc
