#include "tools/driver/printing_prompter.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "tools/driver/script_line.h"

namespace sc::driver {

namespace {

constexpr std::array<std::pair<Button, const char*>, 5> kButtonWords{{
    {Button::Ok, "ok"},
    {Button::Cancel, "cancel"},
    {Button::Yes, "yes"},
    {Button::No, "no"},
    {Button::Retry, "retry"},
}};

}  // namespace

std::string buttonWord(Button button) {
    for (const auto& [b, word] : kButtonWords)
        if (b == button) return word;
    return "?";
}

std::optional<Button> buttonFromWord(const std::string& word) {
    for (const auto& [b, w] : kButtonWords)
        if (word == w) return b;
    return std::nullopt;
}

Button PrintingPrompter::ask(const MessageBox& box) {
    // A person can only press a button the box shows.
    if (!answers.empty() &&
        std::find(box.buttons.begin(), box.buttons.end(), answers.front()) == box.buttons.end()) {
        std::string shown;
        for (Button b : box.buttons) shown += (shown.empty() ? "" : ", ") + buttonWord(b);
        const std::string queued = buttonWord(answers.front());
        answers.clear();
        throw ScriptError(
            "the answer '" + queued + "' is not a button of the box " +
            nlohmann::json(box.text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + " (" +
            shown + ")");
    }
    if (whileShown) whileShown();
    const Button answer = QueuedPrompter::ask(box);
    nlohmann::ordered_json shown;
    shown["title"] = box.title;
    shown["text"] = box.text;
    shown["buttons"] = nlohmann::json::array();
    for (Button b : box.buttons) shown["buttons"].push_back(buttonWord(b));
    shown["answer"] = buttonWord(answer);
    nlohmann::ordered_json line;
    line["box"] = std::move(shown);
    // Names come from files: a byte that is not UTF-8 is shown, not fatal.
    out_ << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return answer;
}

}  // namespace sc::driver
