#include "app/manual_menu.h"

#include "localisation/language_tables.h"

namespace sc {

namespace {

constexpr int kKeyedLanes = 20;

std::string laneKey(int lane) {
    if (lane < 1 || lane > kKeyedLanes) return {};
    const char* modifier = lane <= 10 ? "Ctrl+" : "Alt+";
    return modifier + std::to_string(lane % 10);
}

}  // namespace

std::vector<ManualEntry> ManualEntries(int16_t language, int laneCount) {
    std::vector<ManualEntry> entries;
    entries.push_back({0, tableText(language, "Portada", "Manual", 0).value_or("Reproduir"), {}});
    const std::string lane = tableText(language, "Portada", "PistaManual", -1).value_or("Pista");
    for (int i = 1; i <= laneCount; ++i) entries.push_back({i, lane + " " + std::to_string(i), laneKey(i)});
    return entries;
}

}  // namespace sc
