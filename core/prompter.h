#pragma once
// Message boxes behind an interface: the windows show real dialogs, tests and
// the tool answer from a queue.

#include <deque>
#include <string>
#include <vector>

namespace sc {

enum class Button { Ok, Cancel, Yes, No, Retry };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };

struct MessageBox {
    std::string text;
    std::string title;
    std::vector<Button> buttons{Button::Ok};
    Button defaultButton = Button::Ok;
    MessageIcon icon = MessageIcon::None;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Button ask(const MessageBox& box) = 0;
    void inform(const std::string& text, const std::string& title = "",
                MessageIcon icon = MessageIcon::Information) {
        ask(MessageBox{text, title, {Button::Ok}, Button::Ok, icon});
    }
};

// Answers from a queue; with the queue empty, the default button. Keeps every
// box shown so tests and the tool can print them.
class QueuedPrompter : public Prompter {
public:
    Button ask(const MessageBox& box) override {
        shown.push_back(box);
        if (answers.empty()) return box.defaultButton;
        Button b = answers.front();
        answers.pop_front();
        return b;
    }
    std::deque<Button> answers;
    std::vector<MessageBox> shown;
};

}  // namespace sc
