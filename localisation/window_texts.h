#pragma once
// Headless model of the texts of one window: what the language routine reads and rewrites.

#include <compare>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sc {

// A control by name and, for control arrays, index (-1 for a single control).
struct ControlKey {
    std::string name;
    int index = -1;
    auto operator<=>(const ControlKey&) const = default;
};

// The language-dependent texts of one control; an empty optional is a text not set here.
struct ControlTexts {
    std::optional<std::string> caption;
    std::optional<std::string> toolTip;
    std::optional<std::vector<std::string>> items;  // list entries, or a grid's first-column cells
    std::optional<std::string> gridFormat;          // "|"-separated headers with "<", "^", ">" alignment
};

struct WindowTexts {
    std::string name;  // Portada, Classificacio, ConfiguracioPrg, ...
    std::string title;
    std::map<ControlKey, ControlTexts> controls;

    // The main window as it is shown now, when it exists. Child windows take titles and
    // button captions from it; without it the main window's table texts are used.
    const WindowTexts* mainWindow = nullptr;

    // About window only: the program's name and version numbers.
    std::string programName;
    std::vector<int> version;

    ControlTexts& add(const std::string& control, int index = -1) { return controls[{control, index}]; }
    ControlTexts* find(const std::string& control, int index = -1);
    const ControlTexts* find(const std::string& control, int index = -1) const;
    // Indexes of the elements of a control array present in the window (-1 for a single control).
    std::vector<int> indexesOf(const std::string& control) const;
};

}  // namespace sc
