#pragma once
// The main window's drop-down list `Errors` of rejected (too short)
// detections: hidden until the first rejection, newest entry selected.

#include <string>
#include <string_view>
#include <vector>

namespace sc {

class RejectedDetections {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    const std::vector<std::string>& Items() const { return items_; }
    int ListIndex() const { return selected_; }  // -1 when none

    // "-3  (2)  0:12:34": the lane as a negative number, the lane's own count
    // of rejections and the heat clock. Shows the list and selects the entry.
    const std::string& Add(int lane, std::string_view clockCaption);
    // Empties the list (a new heat is started with the keyboard).
    void Clear();

private:
    bool visible_ = false;
    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace sc
