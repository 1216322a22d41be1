#include "standings/gap_memo.h"

#include <algorithm>

namespace sc {

void GapMemo::SetContext(std::string_view context) {
    if (context == context_) return;
    context_.assign(context);
    entries_.clear();
}

GapMemo::Entry& GapMemo::EntryFor(int row, GapSlot slot) {
    const auto index = static_cast<std::size_t>(std::max(row, 0)) * 2 + (slot == GapSlot::Ahead ? 1 : 0);
    if (index >= entries_.size()) entries_.resize(index + 1);
    return entries_[index];
}

bool GapMemo::SameInputs(const Entry& entry, const Inputs& inputs) {
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (entry.inputs[i] != inputs[i]) return false;
    return true;
}

}  // namespace sc
