#pragma once
// A filter drop-down of the results and lap-listing windows: its entries, the
// first one meaning "all", and the selected position.
#include <string>
#include <vector>

#include "core/number_format.h"

namespace sc {

struct FilterList {
    std::vector<std::string> items;
    int selected = 0;

    int count() const { return static_cast<int>(items.size()); }
    // The chosen entry's number; 0 for the first entry ("all") or a bad position.
    double value() const { return selected > 0 && selected < count() ? ReadNumber(items[selected]) : 0; }
    bool active() const { return value() != 0; }
    // Back to "all" with only that entry.
    void reset(std::string all) {
        items = {std::move(all)};
        selected = 0;
    }
    // Position of the entry whose text is `text`; -1 when none.
    int find(const std::string& text) const {
        for (int i = 1; i < count(); ++i)
            if (items[i] == text) return i;
        return -1;
    }
};

}  // namespace sc
