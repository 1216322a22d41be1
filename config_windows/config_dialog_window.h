#pragma once
// What the two configuration windows do alike around their form: Shift held
// while the window opens (or pressed before the first paint) opens it out,
// the first paints are reported, leaving without saving closes the form, and
// the form unloads once.

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "config_windows/qt_config_widgets.h"
#include "core/prompter.h"
#include "core/race_state.h"

namespace sc {

template <class Form>
class ConfigDialog : public QDialog {
public:
    Form& form() { return form_; }

    void done(int result) override {
        if (result != QDialog::Accepted) form_.Sortir_Click(0);
        if (!unloaded_) {
            unloaded_ = true;
            form_.Form_Unload();
        }
        QDialog::done(result);
    }

protected:
    ConfigDialog(RaceState& state, Prompter& prompter, QWidget* parent)
        : QDialog(parent), state_(state), form_(state, prompter) {}
    ~ConfigDialog() override {
        // Hiding the dialog while it is destroyed takes the focus from a field;
        // the window's handlers are gone by then, so its fields must not report anything.
        for (QLineEdit* edit : findChildren<QLineEdit*>()) disconnect(edit, nullptr, this, nullptr);
    }

    // Shows the form's state on the widgets.
    virtual void render() = 0;

    void relabel() {
        applyWindowLanguage(state_, this);
        setWindowTitle(QString::fromStdString(form_.Caption));
    }

    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        revealIfShiftHeld();
    }

    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        if (!form_.Opening) return;
        revealIfShiftHeld();
        form_.Form_Paint();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Shift && form_.Opening) {
            revealNow();
            return;
        }
        QDialog::keyPressEvent(event);
    }

    RaceState& state_;
    Form form_;

private:
    void revealIfShiftHeld() {
        if (form_.Opening && (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier)) revealNow();
    }
    void revealNow() {
        form_.Shift_KeyDown();
        render();
    }

    bool unloaded_ = false;
};

}  // namespace sc
