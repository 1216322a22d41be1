#pragma once
// Message boxes of the program: the Prompter questions shown as QMessageBox.

#include "core/prompter.h"

class QWidget;

namespace sc {

class QtPrompter : public Prompter {
public:
    // Boxes open over `parent`, or over the active window when none is given.
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    Button ask(const MessageBox& box) override;

private:
    QWidget* parent_;
};

}  // namespace sc
