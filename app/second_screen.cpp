#include "app/second_screen.h"

#include "core/value_file.h"

namespace sc {

namespace {
bool isLiveWindow(const std::string& name) { return name == "Classificacio" || name == "VoltaaVolta"; }
}  // namespace

std::string readSecondScreenChoice(const std::filesystem::path& appFolder) {
    const auto lines = readValueLines(appFolder / kSecondScreenFileName);
    if (!lines || lines->empty() || !isLiveWindow(lines->front())) return {};
    return lines->front();
}

bool writeSecondScreenChoice(const std::filesystem::path& appFolder, const std::string& window) {
    if (!isLiveWindow(window)) {
        std::error_code ec;
        std::filesystem::remove(appFolder / kSecondScreenFileName, ec);
        return !ec;
    }
    return static_cast<bool>(writeValueLines(appFolder / kSecondScreenFileName, {window}));
}

bool canUseSecondScreen(int screens) { return screens >= 2; }

}  // namespace sc
