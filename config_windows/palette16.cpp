#include "config_windows/palette16.h"

#include <array>

namespace sc {

Rgb paletteColour(int code) {
    static constexpr std::array<Rgb, 16> kPalette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    if (code < 0 || code >= static_cast<int>(kPalette.size())) return kPalette[0];
    return kPalette[static_cast<std::size_t>(code)];
}

}  // namespace sc
