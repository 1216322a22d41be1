#pragma once
// The new-race / change-race-data window on screen: renders NovaProva and
// forwards the accept button to it.

#include <QDialog>
#include <functional>
#include <optional>

#include "organisation/race_manager.h"

class QLineEdit;
class QPushButton;

namespace sc {

class NovaProvaView : public QDialog {
    Q_OBJECT
public:
    // Change mode (ModeCorregir != 0) starts from `change`; create mode from
    // an empty name and today's date.
    NovaProvaView(RaceState& state, Prompter& prompter, QWidget* parent = nullptr,
                  const std::optional<CatalogueEntry>& change = std::nullopt);

    NovaProva& form() { return form_; }
    // What the accept button runs; true closes the window. By default the
    // window's own accept (the main window adds the race to its lists).
    std::function<bool(NovaProva&)> onAccept;

    // Forwarded button actions (also used by the tests).
    void Sortir_Click(int index);

private:
    NovaProva form_;
    QLineEdit* name_ = nullptr;
    QLineEdit* date_ = nullptr;
};

}  // namespace sc
