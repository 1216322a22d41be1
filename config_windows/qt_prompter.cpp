#include "config_windows/qt_prompter.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <utility>

#include "localisation/language_tables.h"

namespace sc {
namespace {

constexpr int kTitleBarButtons = 140;     // icon, minimise and close beside the title
constexpr double kTitleFontScale = 1.25;  // window managers draw titles larger than the dialog's text

// The title's width as a window manager draws it: bold and larger than the dialog's font.
int titleWidth(const QWidget& dialog) {
    QFont font = dialog.font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * kTitleFontScale);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * kTitleFontScale));
    return QFontMetrics(font).horizontalAdvance(dialog.windowTitle()) + kTitleBarButtons;
}

constexpr std::array<std::pair<Button, QMessageBox::StandardButton>, 5> kButtons{{
    {Button::Ok, QMessageBox::Ok},
    {Button::Cancel, QMessageBox::Cancel},
    {Button::Yes, QMessageBox::Yes},
    {Button::No, QMessageBox::No},
    {Button::Retry, QMessageBox::Retry},
}};

QMessageBox::StandardButton standardButton(Button b) {
    for (const auto& [ours, qt] : kButtons)
        if (ours == b) return qt;
    return QMessageBox::Ok;
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Closing the box without a button counts as its escape answer: Cancel or No when offered.
Button escapeAnswer(const MessageBox& box) {
    for (Button b : {Button::Cancel, Button::No})
        for (Button offered : box.buttons)
            if (offered == b) return b;
    return box.defaultButton;
}

}  // namespace

Button QtPrompter::ask(const MessageBox& box) {
    QWidget* parent = parent_ != nullptr ? parent_ : QApplication::activeWindow();
    QMessageBox dialog(qtIcon(box.icon), QString::fromStdString(box.title), QString::fromStdString(box.text),
                       QMessageBox::NoButton, parent);
    const int16_t language = language_ != nullptr ? *language_ : kCatalan;
    for (Button b : box.buttons) {
        QPushButton* button = dialog.addButton(standardButton(b));
        // Qt's own "OK", "Cancel"... would stay English.
        if (auto text = tableText(language, "MessageBox", "Boto", static_cast<int>(b)))
            button->setText(QString::fromStdString(*text));
    }
    dialog.setDefaultButton(standardButton(box.defaultButton));
    // A message box is only as wide as its text; the title bar would cut a longer title.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addItem(new QSpacerItem(titleWidth(dialog), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    dialog.exec();
    QAbstractButton* clicked = dialog.clickedButton();
    if (clicked == nullptr) return escapeAnswer(box);
    const auto chosen = dialog.standardButton(clicked);
    for (const auto& [ours, qt] : kButtons)
        if (qt == chosen) return ours;
    return escapeAnswer(box);
}

}  // namespace sc
