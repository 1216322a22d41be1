#pragma once
// Text files of one value per line, lines ended by CR LF (KEL4.INI, KEL4.TMP).
// A non-negative number is written with a leading blank; readers skip blanks.
// Number text never depends on the C locale.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/write_result.h"

namespace sc {

// " 5", "-1", " 40123.25": the text a value is written as (no line end).
std::string valueText(int value);
std::string valueText(long value);
// The shortest text that reads back as the same value, so a Single keeps its
// fraction exactly (" 40123.258" for the float 40123.2578125).
std::string valueText(float value);
std::string valueText(double value);

// Shortest decimal text that reads back as the same value, without a leading blank.
std::string shortestText(float value);
std::string shortestText(double value);

// Lines of the file, as text; nullopt when the file does not exist.
std::optional<std::vector<std::string>> readValueLines(const std::filesystem::path& file);
// Lines of a text: CR LF, LF or a lone CR end a line; a last line without an end counts.
std::vector<std::string> splitValueLines(std::string_view text);
// Numeric value of a line: blanks skipped, a comma read as a point; 0 when none
// (or when the number is not finite).
double lineValue(const std::string& line);

// Whole-file write (temporary file + rename) of the given value texts.
WriteResult writeValueLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
// Appends one line (the file is created when missing), synced to the disk.
WriteResult appendValueLine(const std::filesystem::path& file, const std::string& line);

}  // namespace sc
