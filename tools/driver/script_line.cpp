#include "tools/driver/script_line.h"

#include <charconv>

namespace sc::driver {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitOn(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        pieces.push_back(text.substr(start, at - start));
        if (at == std::string::npos) return pieces;
        start = at + 1;
    }
}

namespace {

std::vector<std::string> blankSeparated(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto first = text.find_first_not_of(" \t", i);
        if (first == std::string::npos) break;
        const auto end = text.find_first_of(" \t", first);
        words.push_back(text.substr(first, end - first));
        i = end == std::string::npos ? text.size() : end;
    }
    return words;
}

}  // namespace

std::optional<ScriptLine> ScriptReader::next() {
    std::string text;
    while (std::getline(in_, text)) {
        ++number_;
        const std::string content = trimmed(text.substr(0, text.find('#')));
        if (content.empty()) continue;
        ScriptLine line;
        line.number = number_;
        const auto blank = content.find_first_of(" \t");
        line.word = content.substr(0, blank);
        line.rest = blank == std::string::npos ? "" : trimmed(content.substr(blank));
        line.args = blankSeparated(line.rest);
        return line;
    }
    return std::nullopt;
}

std::vector<ScriptLine> readScript(std::istream& in) {
    std::vector<ScriptLine> lines;
    ScriptReader reader(in);
    while (auto line = reader.next()) lines.push_back(std::move(*line));
    return lines;
}

int wholeNumberArgument(const std::string& text, const std::string& what, int low, int high) {
    int value = 0;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(text.data(), last, value);
    if (text.empty() || ec != std::errc() || end != last)
        throw ScriptError(what + " must be a whole number, not '" + text + "'");
    if (value < low || value > high)
        throw ScriptError(what + " must be between " + std::to_string(low) + " and " + std::to_string(high) +
                          ", not " + text);
    return value;
}

}  // namespace sc::driver
