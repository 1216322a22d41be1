#pragma once
// Windows-1252 at the file boundary; UTF-8 everywhere inside the program.
#include <optional>
#include <string>
#include <string_view>

namespace sc {

std::string cp1252ToUtf8(std::string_view raw);
// Empty optional when a character cannot be written in Windows-1252 (or the
// UTF-8 is malformed): such a name is refused, never altered.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

}  // namespace sc
