#pragma once
// Message boxes of the program: the Prompter questions shown as QMessageBox.

#include <cstdint>

#include "core/prompter.h"

class QWidget;

namespace sc {

class QtPrompter : public Prompter {
public:
    // Boxes open over `parent`, or over the active window when none is given;
    // their buttons speak the language `language` points at (Catalan without one).
    explicit QtPrompter(QWidget* parent = nullptr, const int16_t* language = nullptr)
        : parent_(parent), language_(language) {}
    Button ask(const MessageBox& box) override;

private:
    QWidget* parent_;
    const int16_t* language_;
};

}  // namespace sc
