#pragma once
// The race manager "Gestió de curses" on screen: renders GestorProves and
// forwards the user's choices to it.

#include <QDialog>
#include <map>

#include "organisation/race_manager.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace sc {

class GestorProvesView : public QDialog {
    Q_OBJECT
public:
    GestorProvesView(RaceState& state, Prompter& prompter, QWidget* parent = nullptr);

    GestorProves& form() { return form_; }
    // Forwarded button action; re-renders and closes on 0.
    void Sortir_Click(int index);
    // Renders the headless state into the widgets.
    void render();

private:
    void build();

    RaceState& state_;
    Prompter& prompter_;
    GestorProves form_;
    bool rendering_ = false;
    QListWidget* races_ = nullptr;
    QListWidget* dates_ = nullptr;
    QComboBox* modality_ = nullptr;
    QListWidget* series_ = nullptr;
    QLabel* heats_ = nullptr;
    QLabel* seriesCount_ = nullptr;
    QListWidget* files_ = nullptr;
    std::map<int, QPushButton*> buttons_;
};

}  // namespace sc
