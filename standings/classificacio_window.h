#pragma once
// The live classification window that drivers and spectators watch: the
// table InfoClass in a large, high-contrast font, the absolute fastest lap
// TaulaVR, and the information panel Infos (clock, colour legend, SuperPole
// time lists, the INFOGRAF picture) that Space shows and hides. refresh()
// repaints only the cells that changed since the last call.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "standings/live_table_fit.h"

class QFrame;
class QLabel;
class QTableView;
class QTableWidget;

namespace sc {

struct RaceState;
class Classificacio;
class GridTableModel;
class StandingsEngine;

class ClassificacioView : public QWidget {
    Q_OBJECT
public:
    // `keys` receives every key typed (its character code; -1 for Shift).
    ClassificacioView(RaceState& state, Classificacio& model, StandingsEngine& engine,
                      std::function<void(int)> keys, QWidget* parent = nullptr);

    // Copies what changed in the tables and the window state to the screen.
    void refresh();
    // The heat's pause on the big clock: red, "EN PAUSA" shown while `labelShown`.
    void showPause(bool paused, bool labelShown);
    // The lap correction typed so far ("+12").
    void showCorrection(const std::string& entry, bool shown);

    // A click on the header or the position column between heats: the results window.
    std::function<void()> openResults;

    QTableView* table() const { return infoClass_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void build();
    QTableView* makeTable(const char* name, GridTableModel* model, int pointSize);
    QWidget* buildInfos();
    void fillLegend();
    void showPicture();
    int legendWidth() const;
    void click(int gridRow, int gridCol);
    void applyLayout(QTableView* view, const GridTableModel& model);
    void syncTable(QTableView* view, GridTableModel* model);
    int pixels(int twips) const;
    // The cells' font at `pixels`: bold, narrow where the system has a condensed face.
    QFont cellFont(double pixels) const;
    // The widest cell text and the heading of each shown column, in ems of their own fonts.
    void measureColumns(LiveTableRoom& room) const;
    // The table fills its room: font, rows and columns as large as every row and column allow.
    void fitTable();

    RaceState& state_;
    Classificacio& model_;
    StandingsEngine& engine_;
    std::function<void(int)> keys_;
    double zoom_ = 1.0;         // the screen's scale: fonts of the panel
    double columnScale_ = 1.0;  // pixels per design pixel of the table's columns
    GridTableModel* infoModel_ = nullptr;
    GridTableModel* vrModel_ = nullptr;
    GridTableModel* timesModel_ = nullptr;
    GridTableModel* refModel_ = nullptr;
    QTableView* infoClass_ = nullptr;
    QTableView* taulaVR_ = nullptr;
    QTableView* llistaTR_ = nullptr;
    QTableView* ref_ = nullptr;
    QTableWidget* legend_ = nullptr;
    QFrame* infos_ = nullptr;
    QFrame* marcSPP_ = nullptr;
    QLabel* rellotge_ = nullptr;
    QLabel* pausa_ = nullptr;
    QLabel* mesMenys_ = nullptr;  // "EN PAUSA" under the clock, blinking with the panel's
    LiveTableFit fit_;
    QLabel* enPista_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace sc
