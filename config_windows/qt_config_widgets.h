#pragma once
// Small pieces both configuration windows use on screen.

#include <QColor>
#include <QString>
#include <functional>

#include "core/race_state.h"

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;
class QDialog;
class QGroupBox;
class QRadioButton;

namespace sc {

// The window's texts in the current language; a language without a table
// shows the Catalan captions the windows are designed with.
void applyWindowLanguage(RaceState& state, QWidget* window);

// The colour a 16-colour palette code stands for.
QColor paletteQColor(int code);

// "Name(i)", the objectName of an element of a control array.
QString arrayObjectName(const char* name, int index);

// Button `Sortir`(index) of `window`, added to `row`; a click calls `click`(index).
QPushButton* addSortirButton(QWidget* window, QBoxLayout* row, int index, std::function<void(int)> click);

// The group box "Ordre" with option buttons `CriteriOrdre`(1..count), added to
// `row`; the buttons go into buttons[1..count] and a click calls `click`(k).
QGroupBox* addOrderButtons(QWidget* window, QBoxLayout* row, int count, QRadioButton** buttons,
                           std::function<void(int)> click);

// The checkable "Més opcions" button of a configuration window, added to `row`: the
// settings otherwise reached by holding Shift while the window opens.
QPushButton* addMoreOptionsToggle(QWidget* window, QBoxLayout* row, std::function<void()> click);

// Only digits may be typed (`separators` also lets a point or comma through).
void acceptDigitsOnly(QLineEdit* edit, bool separators = false);

// Big readable text; modal.
void setUpConfigDialog(QDialog* dialog);

// Sets a text only when it differs, so the cursor of an edited field stays put.
void setTextIfChanged(QLineEdit* edit, const std::string& text);

}  // namespace sc
