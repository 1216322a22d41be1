#include "results/coma_pictures.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "core/file_io.h"
#include "core/number_format.h"

namespace sc {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool isNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789+-.") == std::string::npos;
}

}  // namespace

std::filesystem::path InfografFile(const std::filesystem::path& appFolder, const std::string& name) {
    return findCaseInsensitive(findCaseInsensitive(appFolder, kInfografFolder), name);
}

std::filesystem::path ComaPicture(const std::filesystem::path& appFolder, const std::string& comaText) {
    const std::string value = trimmed(comaText);
    if (!value.empty()) {
        const auto own = InfografFile(appFolder, value + ".jpg");
        if (fileExists(own)) return own;
    }
    return InfografFile(appFolder, kTrackPicture);
}

std::optional<std::string> ComaAtPixel(const std::filesystem::path& table, int x, int y) {
    std::ifstream in(table, std::ios::binary);
    std::string line;
    while (in && std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, ',');) fields.push_back(trimmed(field));
        if (fields.size() != 3 || !isNumber(fields[0]) || !isNumber(fields[1]) || !isNumber(fields[2]))
            continue;
        if (ReadNumber(fields[0]) == x && ReadNumber(fields[1]) == y) return fields[2];
    }
    return std::nullopt;
}

}  // namespace sc
