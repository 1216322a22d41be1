#pragma once
// A filter drop-down of the results and lap-listing windows: its entries, the
// first one meaning "all", and the selected position.
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/number_format.h"
#include "core/race_state.h"

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

// The first entry of a filter: "Tots" or "Totes" of the window's messages
// (Msg(7, 0) and Msg(7, 1)), the Catalan words before the language is applied.
enum class AllWord { Tots = 0, Totes = 1 };
std::string AllEntry(const RaceState& state, AllWord word);

// After the "all" entry: the participants of the rows (number above 0) by
// number then name, the names in `names` and the numbers at the same
// positions in `numbers` (the same number in two series is two people).
void AddParticipants(const Grid& grid, int numberCol, int nameCol, FilterList& names, FilterList& numbers);
// After the "all" entry: the distinct values above 0 of a column, ascending.
void AddValues(const Grid& grid, int col, FilterList& list);

}  // namespace sc
