#include "heat/rejected_detections.h"

#include <algorithm>

#include "core/number_format.h"

namespace sc {

const std::string& RejectedDetections::Add(int lane, std::string_view clockCaption) {
    const auto earlier = std::count_if(items_.begin(), items_.end(), [lane](const std::string& item) {
        return ReadNumber(item) == -static_cast<double>(lane);
    });
    std::string entry = FormatNumber(lane, "-0  ") + FormatNumber(earlier + 1, "(0)  ");
    entry += clockCaption;
    items_.push_back(std::move(entry));
    selected_ = static_cast<int>(items_.size()) - 1;
    visible_ = true;
    return items_.back();
}

void RejectedDetections::Clear() {
    items_.clear();
    selected_ = -1;
}

}  // namespace sc
