#pragma once
// Headless state of the few kinds of control the configuration windows use:
// what a rule reads or changes (text, selection, enabled, visible). The Qt
// views render it and forward the user's actions.

#include <string>
#include <vector>

namespace sc {

struct TextBox {
    std::string text;
    bool enabled = true;
    bool visible = true;
};

struct ListBox {
    std::vector<std::string> items;
    int index = -1;  // selected position, -1 for none
    bool enabled = true;
    bool visible = true;
};

// A group of option buttons: the index of the one that is on.
struct OptionGroup {
    int value = 0;
    bool enabled = true;
};

}  // namespace sc
