// The live classification window on the offscreen platform: column widths by
// modality, the data click swapping "Última" and "VRàpida", Space and the
// information panel, a pass repainting only its rows, and the window opened
// and closed with an official-practice programme of the heat mode.
#include "standings/classificacio_window.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "../app/app_test_helpers.h"
#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "config_windows/qt_config_widgets.h"
#include "core/prompter.h"
#include "core/settings_files.h"
#include "standings/classificacio.h"
#include "standings/classification_columns.h"
#include "standings/standings_engine.h"
#include "tests/standings/standings_test_state.h"

namespace sc {

using namespace cls;
namespace fs = std::filesystem;

class ClassificacioWindowTest : public QObject {
    Q_OBJECT

    struct Live {
        Live(Modality modality, int participants) {
            state = test::standingsState(modality, participants, "Pilot ");
            state.HeatRunning = 0;
            state.Msg[0][0] = state.Msg[0][1] = state.Msg[5][0] = "";
            engine = std::make_unique<StandingsEngine>(state);
            test::nameRows(engine->InfoClass, state, 1);
            engine->NovaManiga();
            model = std::make_unique<Classificacio>(state, *engine);
            model->Load();
            view = std::make_unique<ClassificacioView>(state, *model, *engine,
                                                       [this](int k) { keys.push_back(k); });
            view->resize(1200, 700);
            view->show();
        }
        // A race under way as the demo race shows it: two-word names, lap times, gaps.
        void raceUnderWay() {
            static const char* const names[] = {"Francesc Mas", "Bernat Soler", "Irene Casals",
                                                "David Ferrer", "Gemma Pujol",  "Carla Vidal",
                                                "Elena Roca",   "Marc Riera"};
            const std::pair<int, const char*> cells[] = {
                {kLaps, "128"},         {kHeatLaps, "42"},     {kHeats, "3"},        {kGained, "+2"},
                {kGapLeader, "+10.8s"}, {kGapAhead, "+10.8s"}, {kLastLap, "6.0100"}, {kHeatBest, "6.0100"}};
            Grid& g = engine->InfoClass;
            for (int r = 1; r < g.Rows(); ++r) {
                g.SetTextMatrix(r, kName, names[(r - 1) % 8]);
                for (int col : {kPosition, kHeatPosition, kLane}) g.SetTextMatrix(r, col, std::to_string(r));
                for (auto [col, text] : cells) g.SetTextMatrix(r, col, text);
            }
            view->refresh();
        }
        QTableView* table() const { return view->table(); }
        QModelIndex index(int gridRow, int col) const { return table()->model()->index(gridRow - 1, col); }
        QString shown(int gridRow, int col) const { return index(gridRow, col).data().toString(); }
        QColor ink(int gridRow, int col) const {
            return index(gridRow, col).data(Qt::ForegroundRole).value<QBrush>().color();
        }

        RaceState state;
        std::unique_ptr<StandingsEngine> engine;
        std::unique_ptr<Classificacio> model;
        std::unique_ptr<ClassificacioView> view;
        std::vector<int> keys;
    };

    // Every shown cell's text and heading fits its column with the style's margins.
    static void wholeCells(const QTableView& t) {
        const QFontMetrics cells(t.font()), heads(t.horizontalHeader()->font());
        for (int c = 0; c < t.model()->columnCount(); ++c) {
            if (t.isColumnHidden(c)) continue;
            int widest = heads.horizontalAdvance(t.model()->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < t.model()->rowCount(); ++r)
                widest = std::max(widest, cells.horizontalAdvance(t.model()->index(r, c).data().toString()));
            QVERIFY2(widest + 6 <= t.columnWidth(c),
                     qPrintable(QString("column %1: %2 in %3").arg(c).arg(widest).arg(t.columnWidth(c))));
        }
    }

private slots:
    void widths_FollowTheModality() {
        Live race(Modality::Race, 4);
        QTableView* t = race.table();
        for (int col : {kSeriesKey, kFastest, kFastestTime, kFastestLane, kHeatKey1, kHeatKey2})
            QVERIFY2(t->isColumnHidden(col), qPrintable(QString::number(col)));
        for (int col : {kPosition, kNumber, kName, kLaps, kGained, kLastLap, kHeatBest})
            QVERIFY(!t->isColumnHidden(col));
        QCOMPARE(t->columnWidth(kLastLap), t->columnWidth(kHeatBest));
        QVERIFY(t->columnWidth(kName) > t->columnWidth(kLastLap));

        QVERIFY(!race.view->findChild<QWidget*>("MarcSPP")->isVisibleTo(race.view.get()));

        // Outside the race the widths differ, hiding columns the same way; SuperPole adds its frame.
        Live superPole(Modality::SuperPole, 4);
        QVERIFY(superPole.table()->isColumnHidden(kHeatLaps));
        QVERIFY(superPole.view->findChild<QWidget*>("MarcSPP")->isVisibleTo(superPole.view.get()));
        QCOMPARE(superPole.view->findChild<QTableWidget*>("Legenda")->rowCount(), 6);
    }

    // Drivers read the table from the track: it fills a 24-inch screen and shows every row.
    void table_GrowsWithTheWindowAndShowsEveryRow() {
        Live eight(Modality::Race, 8);
        eight.raceUnderWay();
        eight.view->resize(1920, 1000);
        QApplication::processEvents();
        QTableView* t = eight.table();
        const int bigFont = t->font().pixelSize();
        QVERIFY(eight.view->findChild<QFrame*>("Infos")->isVisible());
        // Digits at least 40 px tall on a 1920-pixel screen, the information panel shown.
        const int digits = QFontMetrics(t->font()).tightBoundingRect("0123456789").height();
        QVERIFY2(digits >= 40, qPrintable(QString::number(digits)));
        QVERIFY(t->horizontalHeader()->length() <= t->viewport()->width());  // nothing cut at the side
        wholeCells(*t);
        eight.view->resize(1024, 600);
        QApplication::processEvents();
        QVERIFY(t->font().pixelSize() < bigFont);
        wholeCells(*t);

        Live crowd(Modality::Race, 24);
        crowd.view->resize(1920, 1000);
        QApplication::processEvents();
        QTableView* all = crowd.table();
        QVERIFY(all->verticalHeader()->length() <= all->viewport()->height());
        QVERIFY(!all->verticalScrollBar()->isVisible());
    }

    void clicks_DataSwapsLastAndFastestLapHeaderOpensResultsBetweenHeats() {
        Live race(Modality::Race, 4);
        QTableView* t = race.table();
        const QRect cell = t->visualRect(race.index(2, kName));
        // Which clicks toggle or open is the logic's (classificacio_test); here they reach it.
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(t->isColumnHidden(kLastLap));
        QVERIFY(!t->isColumnHidden(kFastest));

        int opened = 0;
        race.view->openResults = [&opened] { ++opened; };
        t->horizontalHeader()->sectionClicked(kName);
        QCOMPARE(opened, 1);
    }

    void pass_RepaintsOnlyTheRowsThatChanged() {
        Live race(Modality::Race, 6);
        race.state.HeatRunning = -1;
        race.state.Track.LastPassTime[4] = 10.0;
        race.engine->AnotarVolta(Passing{4, 1, 10.0, 0, 1, "+1", ""});
        race.view->refresh();
        QSignalSpy changed(race.table()->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(race.table()->model(), &QAbstractItemModel::modelReset);
        race.state.Track.LastPassTime[4] = 14.25;
        race.engine->AnotarVolta(Passing{4, 1, 14.25, 4.25, 1, "4.2500", "4.2500"});
        race.view->refresh();
        QCOMPARE(reset.count(), 0);
        QVERIFY(changed.count() >= 1);
        for (const QList<QVariant>& signal : changed) {
            const int row = signal.at(0).toModelIndex().row();
            QCOMPARE(row, signal.at(1).toModelIndex().row());
            QCOMPARE(row, 0);  // the leader's row only; rows 2..6 have not moved
        }
        QCOMPARE(race.shown(1, kLastLap), QString("4.2500"));
        QCOMPARE(race.shown(1, kHeatLaps), QString("2"));
    }

    void infos_SpaceTogglesThemEveryKeyGoesOnClockAndCutShown() {
        Live race(Modality::Race, 4);
        auto* infos = race.view->findChild<QFrame*>("Infos");
        QVERIFY(infos && infos->isVisibleTo(race.view.get()));
        QTest::keyClick(race.view.get(), Qt::Key_Space);
        QVERIFY(!infos->isVisibleTo(race.view.get()));
        QTest::keyClick(race.view.get(), Qt::Key_S);  // which keys toggle is the logic's (classificacio_test)
        QTest::keyClick(race.view.get(), Qt::Key_Space);
        QCOMPARE(race.keys, (std::vector<int>{' ', 's', ' '}));

        race.model->ShowClock("0:02:10");
        for (int r = 1; r <= 4; ++r) race.engine->InfoClass.SetTextMatrix(r, kPosition, std::to_string(r));
        race.model->MarkClassificationCut(2);
        race.view->refresh();
        QCOMPARE(race.view->findChild<QLabel*>("Rellotge")->text(), QString("0:02:10"));
        // The cut is kept in the corner, never shown there.
        QCOMPARE(race.table()->model()->headerData(kPosition, Qt::Horizontal).toString(), QString());
        QCOMPARE(race.ink(2, kName), paletteQColor(kLightRed));
        QVERIFY(race.ink(1, kName) != paletteQColor(kLightRed));
    }

    void officialPractice_OpensOverTheLapByLapWindowAndClosesWithIt() {
        test::TempFolder folder;
        RaceState state;
        QueuedPrompter prompter;
        state.AppFolder = state.WorkingFolder = folder.path();
        QVERIFY(saveTrackConfig(defaultTrackConfig(4), folder.path() / kTrackFileName));
        test::addRace(folder.path(), "Trofeu", "01-02-2025", {0, 1, 0, 0});
        const fs::path race = folder.path() / raceFolderName(1);
        QVERIFY(copyTrackConfigIntoRace(folder.path(), race));
        QVERIFY(
            writeParticipantList(race / (seriesBaseName(2, 1) + ".PAR"), {0, {"Anna", "Bernat", "Carla"}}));
        PortadaView view(state, prompter);
        view.load();
        state.RecoveryPending = 0;
        view.portada().LlProves_Click(0);
        view.portada().LlSeries_Click(2, 0);
        view.showState();
        QVERIFY(view.heatMode().open(2));
        ClassificacioView* window = view.heatMode().classificationWindow();
        QVERIFY(window);
        QCOMPARE(view.mdiArea()->subWindowList().size(), 2);
        QCOMPARE(view.mdiArea()->activeSubWindow()->widget(), static_cast<QWidget*>(window));
        QCOMPARE(window->table()->model()->rowCount(), int(state.ParticipantCount));

        // Keys typed in it reach the heat keys: S starts the heat.
        QTest::keyClick(window, Qt::Key_S);
        QVERIFY(state.HeatRunning != 0);
        QTest::keyClick(window, Qt::Key_S);
        QCOMPARE(state.HeatRunning, int16_t(0));
        prompter.answers.push_back(Button::Yes);  // the heat is stored: Esc asks first
        QTest::keyClick(view.heatMode().classificationWindow(), Qt::Key_Escape);
        QCOMPARE(prompter.shown.back().defaultButton, Button::No);
        QVERIFY(!view.heatMode().programme().ui.heatMode);
        QVERIFY(!view.heatMode().classificationWindow());
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(view.mdiArea()->subWindowList().size(), 0);
    }
};

}  // namespace sc

QTEST_MAIN(sc::ClassificacioWindowTest)
#include "classificacio_window_test.moc"
