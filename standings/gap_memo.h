#pragma once
// The gap texts of the live classification, remembered per row and column. A
// passing changes the laps and key of one participant, so nearly every row asks
// for the same gaps as at the previous passing, and formatting them is the
// dearest part of a re-rank.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace sc {

enum class GapSlot { Leader, Ahead };

class GapMemo {
public:
    using Inputs = std::array<std::string_view, 4>;

    // Everything the gaps depend on besides their inputs (modality, comas,
    // suffixes); a different context forgets every remembered text.
    void SetContext(std::string_view context);

    // The text `make()` gives for these inputs, made again only when an input
    // differs from the last call for the same row and slot.
    template <typename Make>
    const std::string& Text(int row, GapSlot slot, const Inputs& inputs, Make make) {
        Entry& entry = EntryFor(row, slot);
        if (!entry.known || !SameInputs(entry, inputs)) {
            entry.known = false;
            for (std::size_t i = 0; i < inputs.size(); ++i) entry.inputs[i].assign(inputs[i]);
            entry.text = make();
            entry.known = true;
        }
        return entry.text;
    }

private:
    struct Entry {
        bool known = false;
        std::array<std::string, 4> inputs;
        std::string text;
    };
    Entry& EntryFor(int row, GapSlot slot);
    static bool SameInputs(const Entry& entry, const Inputs& inputs);

    std::string context_;
    std::vector<Entry> entries_;
};

}  // namespace sc
