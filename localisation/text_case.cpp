#include "localisation/text_case.h"

namespace sc {

std::string upperCaseCaption(std::string_view text) {
    std::string upper(text);
    for (size_t i = 0; i < upper.size(); ++i) {
        auto byte = static_cast<unsigned char>(upper[i]);
        if (byte >= 'a' && byte <= 'z') {
            upper[i] = static_cast<char>(byte - 0x20);
        } else if (byte == 0xC3 && i + 1 < upper.size()) {
            // U+00E0..U+00FE are the lower-case forms of U+00C0..U+00DE, except U+00F7 (division sign).
            auto next = static_cast<unsigned char>(upper[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) upper[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return upper;
}

std::string withoutEllipsis(std::string_view caption) {
    constexpr std::string_view ellipsis = "...";
    if (caption.ends_with(ellipsis)) caption.remove_suffix(ellipsis.size());
    return std::string(caption);
}

}  // namespace sc
