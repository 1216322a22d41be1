#pragma once
// The live lap-by-lap window: one block per lane (title, driver box, lap
// list, fastest lap) laid out as `VoltaaVolta` says, the flag on the lane of
// the last pass, vertical scrolling. Every key typed goes to the heat keys.

#include <QWidget>
#include <functional>
#include <vector>

#include "standings/voltaavolta.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;

namespace sc {

class VoltaaVoltaView : public QWidget {
    Q_OBJECT
public:
    // `keys` receives every key typed (its character code; -1 for Shift).
    VoltaaVoltaView(VoltaaVolta& model, std::function<void(int)> keys, QWidget* parent = nullptr);

    // Copies what changed in the model to the widgets.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Block {
        QWidget* frame = nullptr;
        QLabel* title = nullptr;
        QLabel* flag = nullptr;
        QLabel* number = nullptr;  // the participant's number, named by lap corrections
        QLineEdit* driver = nullptr;
        QListWidget* laps = nullptr;
        QLabel* fastest = nullptr;
    };
    void build();
    void refreshLane(int lane);

    VoltaaVolta& model_;
    std::function<void(int)> keys_;
    QScrollArea* scroll_ = nullptr;
    std::vector<Block> blocks_;  // element 0 unused
    double lapPixels_ = 0;       // the lap times' font, following the window
};

// Qt's key to the heat keys' code: the character, Esc 27, Enter 13, Shift -1;
// 0 for a key the heat keys do not take.
int HeatKeyCode(const QKeyEvent& event);

}  // namespace sc
