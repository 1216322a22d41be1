#pragma once
// The corrections window on screen: a row of boxes per lane position in a
// frame that scrolls (`Barra`), the heat list, the track picture to pick
// comas on, and the buttons. Enter moves to the next box; the focused row is
// scrolled into view.

#include <QDialog>
#include <QLabel>
#include <vector>

#include "results/corregir.h"

class QComboBox;
class QLineEdit;
class QScrollArea;

namespace sc {

// The track picture: clicks and double clicks in picture pixels.
class ComaPictureLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked(QPoint pixel);
    void doubleClicked(QPoint pixel);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class CorregirView : public QDialog {
    Q_OBJECT
public:
    CorregirView(RaceState& state, StandingsEngine& live, HeatResultsStore& liveStore, Prompter& prompter,
                 QWidget* parent = nullptr);

    Corregir& form() { return form_; }
    QLineEdit* lapsBox(int row) const { return nv_.at(static_cast<std::size_t>(row)); }
    QLineEdit* valueBox(int row) const { return vr_.at(static_cast<std::size_t>(row)); }
    ComaPictureLabel* picture() const { return picture_; }
    void Sortir_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void renderRows();
    void renderPicture();
    void takeBoxes();  // the boxes' texts into the form
    void focusValueBox(int row);
    void pictureClicked(QPoint pixel, bool twice);

    Corregir form_;
    QComboBox* heats_ = nullptr;
    QScrollArea* frame_ = nullptr;
    std::vector<QLabel*> np_;
    std::vector<QLineEdit*> eq_, nv_, vr_;
    ComaPictureLabel* picture_ = nullptr;
};

// Opens the window modally (comas when ModeCorregir < 0).
void ExecCorregirWindow(RaceState& state, StandingsEngine& live, HeatResultsStore& liveStore,
                        Prompter& prompter, QWidget* parent);

}  // namespace sc
