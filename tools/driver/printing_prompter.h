#pragma once
// The driver's message boxes: answered from the queue of `answer` commands
// (the default button when none is queued), each one printed as a JSON line.

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "core/prompter.h"

namespace sc::driver {

class PrintingPrompter : public QueuedPrompter {
public:
    explicit PrintingPrompter(std::ostream& out) : out_(out) {}
    Button ask(const MessageBox& box) override;
    // Runs while a box waits for its answer (what arrives in the meantime).
    std::function<void()> whileShown;

private:
    std::ostream& out_;
};

// "yes", "no", "ok", "cancel", "retry".
std::string buttonWord(Button button);
std::optional<Button> buttonFromWord(const std::string& word);

}  // namespace sc::driver
