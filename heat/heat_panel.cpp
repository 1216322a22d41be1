#include "heat/heat_panel.h"

#include <cctype>

#include "localisation/language_tables.h"

namespace sc {

namespace {

// "(X)" for a key, "(Esc)" for Esc; empty for keys no caption can carry.
std::string keyMark(int key) {
    if (key == kEscapeKey) return "(Esc)";
    if (key < 33 || key > 126) return {};
    return std::string("(") + static_cast<char>(std::toupper(key)) + ")";
}

}  // namespace

void HeatPanel::SetCaptions(int language) {
    for (int i = 0; i < kHeatMenuButtons; ++i) {
        if (auto text = tableText(static_cast<int16_t>(language), "Portada", "Menu", i))
            Menu[i].caption = *text;
    }
}

void HeatPanel::ShowMenu(bool shown) {
    for (HeatMenuButton& button : Menu) button.visible = shown;
}

int HeatPanel::MenuForKey(int key) const {
    const std::string mark = keyMark(key);
    if (mark.empty()) return -1;
    for (int i = 0; i < kHeatMenuButtons; ++i) {
        if (Menu[i].enabled && Menu[i].caption.find(mark) != std::string::npos) return i;
    }
    return -1;
}

}  // namespace sc
