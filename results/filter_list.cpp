#include "results/filter_list.h"

#include <set>

namespace sc {

std::string AllEntry(const RaceState& state, AllWord word) {
    const std::string& text = state.Msg[7][static_cast<int>(word)];
    if (!text.empty()) return text;
    return word == AllWord::Tots ? "Tots" : "Totes";
}

void AddParticipants(const Grid& grid, int numberCol, int nameCol, FilterList& names, FilterList& numbers) {
    std::set<std::pair<int, std::string>> people;
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
        if (const int number = static_cast<int>(grid.Number(row, numberCol)); number > 0)
            people.emplace(number, grid.TextMatrix(row, nameCol));
    for (const auto& [number, name] : people) {
        names.items.push_back(name);
        numbers.items.push_back(std::to_string(number));
    }
}

void AddValues(const Grid& grid, int col, FilterList& list) {
    std::set<int> values;
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
        values.insert(static_cast<int>(grid.Number(row, col)));
    for (int v : values)
        if (v > 0) list.items.push_back(std::to_string(v));
}

}  // namespace sc
