#pragma once
// Upper-casing of UTF-8 captions (ASCII and the Latin-1 letters Catalan and Spanish use).

#include <string>
#include <string_view>

namespace sc {

std::string upperCaseCaption(std::string_view text);

// A menu caption without its trailing "...", as a window title.
std::string withoutEllipsis(std::string_view caption);

}  // namespace sc
