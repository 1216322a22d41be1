#pragma once
// The standard 16-colour palette the colour codes 0..15 name.

#include <cstdint>

namespace sc {

struct Rgb {
    uint8_t r, g, b;
};

// The colour of a code; codes outside 0..15 give black.
Rgb paletteColour(int code);

}  // namespace sc
