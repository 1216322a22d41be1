#include "localisation/window_texts.h"

#include <limits>

namespace sc {

ControlTexts* WindowTexts::find(const std::string& control, int index) {
    auto it = controls.find({control, index});
    return it == controls.end() ? nullptr : &it->second;
}

const ControlTexts* WindowTexts::find(const std::string& control, int index) const {
    auto it = controls.find({control, index});
    return it == controls.end() ? nullptr : &it->second;
}

std::vector<int> WindowTexts::indexesOf(const std::string& control) const {
    std::vector<int> indexes;
    for (auto it = controls.lower_bound({control, std::numeric_limits<int>::min()});
         it != controls.end() && it->first.name == control; ++it)
        indexes.push_back(it->first.index);
    return indexes;
}

}  // namespace sc
