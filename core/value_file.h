#pragma once
// Text files of one value per line, lines ended by CR LF (KEL4.INI, KEL4.TMP).
// A non-negative number is written with a leading blank; readers skip blanks.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sc {

// " 5", "-1", " 40123.25": the text a value is written as (no line end).
std::string valueText(long value);
std::string valueText(double value);  // Single values keep their fraction

// Lines of the file, as text; nullopt when the file does not exist.
std::optional<std::vector<std::string>> readValueLines(const std::filesystem::path& file);
// Numeric value of a line: blanks skipped, a comma read as a point; 0 when none.
double lineValue(const std::string& line);

// Whole-file write (temporary file + rename) of the given value texts.
bool writeValueLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
// Appends one line (the file is created when missing).
bool appendValueLine(const std::filesystem::path& file, const std::string& line);

}  // namespace sc
