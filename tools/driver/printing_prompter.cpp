#include "tools/driver/printing_prompter.h"

#include <array>
#include <nlohmann/json.hpp>
#include <utility>

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
