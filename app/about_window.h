#pragma once
// "Sobre el programa": the program's description and version.

#include <QDialog>

namespace sc {

struct RaceState;

class InformacioView : public QDialog {
    Q_OBJECT
public:
    explicit InformacioView(RaceState& state, QWidget* parent = nullptr);
};

}  // namespace sc
