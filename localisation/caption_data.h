#pragma once
// Builders and per-window blocks of the caption table (one data file per group of windows).

#include <span>

#include "localisation/language_tables.h"

namespace sc::captions {

constexpr CaptionEntry caption(std::string_view window, std::string_view control, int index,
                               std::string_view catalan, std::string_view spanish,
                               TextMode mode = TextMode::Always) {
    return {window, control, index, TextKind::Caption, mode, catalan, spanish};
}
constexpr CaptionEntry toolTip(std::string_view window, std::string_view control, int index,
                               std::string_view catalan, std::string_view spanish) {
    return {window, control, index, TextKind::ToolTip, TextMode::Always, catalan, spanish};
}
constexpr CaptionEntry listItems(std::string_view window, std::string_view control, int index,
                                 std::string_view catalan, std::string_view spanish) {
    return {window, control, index, TextKind::ListItems, TextMode::Always, catalan, spanish};
}
constexpr CaptionEntry gridFormat(std::string_view window, std::string_view control, int index,
                                  std::string_view catalan, std::string_view spanish) {
    return {window, control, index, TextKind::GridFormat, TextMode::Always, catalan, spanish};
}
constexpr CaptionEntry title(std::string_view window, std::string_view catalan, std::string_view spanish,
                             TextMode mode = TextMode::Always) {
    return {window, "", -1, TextKind::Title, mode, catalan, spanish};
}

std::span<const CaptionEntry> portadaCaptions();
std::span<const CaptionEntry> configurationCaptions();
std::span<const CaptionEntry> raceDialogCaptions();
std::span<const CaptionEntry> standingsCaptions();
std::span<const CaptionEntry> tracksideCaptions();

}  // namespace sc::captions
