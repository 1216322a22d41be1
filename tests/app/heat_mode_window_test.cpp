// Heat-running mode on screen (offscreen platform): plain training opens the
// live window, S starts the heat, manual passes show in the lane's block.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app_test_helpers.h"
#include "core/prompter.h"
#include "core/settable_clock.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "standings/voltaavolta_window.h"

namespace sc {

class HeatModeWindowTest : public QObject {
    Q_OBJECT

    struct Program : test::AppState {
        explicit Program(int lanes) {
            TrackConfig track = defaultTrackConfig(lanes);
            track.MinLapTime = 3;
            if (!saveTrackConfig(track, folder.path() / kTrackFileName)) qFatal("test data not written");
            view.heatMode().setClock(clock);
            view.load();
            state.RecoveryPending = 0;  // start-up settles it before any heat
        }
        SettableClock clock{36000};
        PortadaView view{state, prompter};
    };

    static QListWidget* laps(PortadaView& view, int lane) {
        return view.findChild<QListWidget*>(QStringLiteral("Llista(%1)").arg(lane));
    }

private slots:
    // Also: the manual menu lists the track's lanes with their keys, the driver
    // box never takes the focus, a pass under the minimum goes to the errors.
    void plainTraining_ManualPassesShowInTheLaneBlock() {
        Program p(4);
        auto* training = p.view.findChild<QAction*>("MnuPrg(0)");
        QVERIFY(training && training->isEnabled());
        training->trigger();
        VoltaaVoltaView* live = p.view.heatMode().liveWindow();
        QVERIFY(live);
        QVERIFY(!p.view.findChild<QAction*>("MnuPrg(0)")->isEnabled());
        QVERIFY(p.view.findChild<QAction*>("Manual(1)")->isEnabled());
        QCOMPARE(p.view.findChild<QMenu*>("MnuManual")->actions().size(), 5);  // Reproduir and lanes 1..4
        QCOMPARE(p.view.findChild<QAction*>("Manual(4)")->text(), QString("Pista 4"));
        QCOMPARE(p.view.findChild<QAction*>("Manual(4)")->shortcut(), QKeySequence("Ctrl+4"));
        QCOMPARE(p.view.findChild<QLineEdit*>("Pilot(1)")->focusPolicy(), Qt::NoFocus);

        QTest::keyClick(live, Qt::Key_S, Qt::NoModifier);
        QVERIFY(p.state.HeatRunning != 0);
        QVERIFY(p.view.heatMode().timer()->isActive());
        QCOMPARE(p.view.heatMode().timer()->interval(), 500);
        QVERIFY(p.view.findChild<QLabel*>("Hora")->isVisibleTo(&p.view));

        auto* lane1 = p.view.findChild<QAction*>("Manual(1)");
        lane1->trigger();
        p.clock.t += 4.25;
        lane1->trigger();
        QListWidget* list = laps(p.view, 1);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("+1"));
        QCOMPARE(list->item(1)->text(), QString("4.2500"));
        QCOMPARE(p.view.findChild<QLabel*>("VRapida(1)")->text(), QString("4.2500"));
        QVERIFY(p.view.findChild<QLabel*>("Bandera(1)")->isVisibleTo(live));
        QVERIFY(!p.view.findChild<QLabel*>("Bandera(2)")->isVisibleTo(live));

        // The clock shows the elapsed time on the next tick.
        p.clock.t += 1;
        p.view.heatMode().tick();
        QCOMPARE(p.view.findChild<QLabel*>("Hora")->text(), QString("0:00:05"));

        auto* errors = p.view.findChild<QWidget*>("Errors");
        QVERIFY(!errors->isVisibleTo(&p.view));
        p.view.findChild<QAction*>("Manual(2)")->trigger();
        p.clock.t += 1;  // under the 3 s minimum
        p.view.findChild<QAction*>("Manual(2)")->trigger();
        QVERIFY(errors->isVisibleTo(&p.view));
        QCOMPARE(laps(p.view, 2)->count(), 1);

        // S ends the heat; Esc closes heat-running mode.
        QTest::keyClick(live, Qt::Key_S, Qt::NoModifier);
        QCOMPARE(p.state.HeatRunning, int16_t(0));
        QVERIFY(!p.view.heatMode().timer()->isActive());
        QTest::keyClick(live, Qt::Key_Escape, Qt::NoModifier);
        QVERIFY(!p.view.heatMode().programme().ui.heatMode);
        QVERIFY(p.view.findChild<QAction*>("MnuPrg(0)")->isEnabled());
        QVERIFY(!p.view.findChild<QAction*>("Manual(1)")->isEnabled());
    }

    // Quitting would lose the heat: Sortir is greyed and closing is refused
    // while it runs; afterwards the exit is orderly and leaves no KEL4.TMP.
    void exit_RefusedWhileAHeatRuns() {
        Program p(2);
        p.view.show();
        p.view.heatMode().open(0);
        auto* quit = p.view.findChild<QAction*>("BotoSortir");
        QVERIFY(quit && quit->isEnabled());
        p.view.heatMode().key('S');
        QVERIFY(!quit->isEnabled());
        const std::size_t boxes = p.prompter.shown.size();  // the ports' own, if any
        QVERIFY(!p.view.close());
        QCOMPARE(p.prompter.shown.size(), boxes + 1);
        QVERIFY(p.prompter.shown.back().text.find("(tecla S)") != std::string::npos);
        QVERIFY(!std::filesystem::exists(p.folder.path() / kSelectionsFileName));

        p.view.heatMode().key('S');
        QVERIFY(quit->isEnabled());
        test::writeText(p.folder.path() / kRecoveryFileName, " 1 \r\n 2 \r\n 1 \r\n 1 \r\n 36000 \r\n");
        QVERIFY(p.view.close());
        QVERIFY(std::filesystem::exists(p.folder.path() / kSelectionsFileName));
        QVERIFY(!std::filesystem::exists(p.folder.path() / kRecoveryFileName));
    }

    void windowsMenu_ListsSwitchesAndArrangesTheLiveWindows() {
        Program p(2);
        auto* windows = p.view.findChild<QMenu*>("MnuFinestres");
        QVERIFY(!windows->menuAction()->isEnabled());  // nothing to reach outside a modality
        p.view.heatMode().open(0);
        QVERIFY(windows->menuAction()->isEnabled());
        // A second live window stands in for the classification.
        QMdiArea* mdi = p.view.mdiArea();
        auto* other = new QWidget;
        mdi->addSubWindow(other)->setWindowTitle("Classificacio");
        other->parentWidget()->show();
        mdi->setActiveSubWindow(mdi->subWindowList().front());

        auto* alternate = p.view.findChild<QAction*>("MnuAlternar");
        QCOMPARE(alternate->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Tab));
        alternate->trigger();
        QCOMPARE(mdi->activeSubWindow()->widget(), other);
        alternate->trigger();
        QCOMPARE(mdi->activeSubWindow()->widget(), p.view.heatMode().liveWindow());

        emit windows->aboutToShow();
        auto* first = p.view.findChild<QAction*>("Finestra(1)");
        auto* second = p.view.findChild<QAction*>("Finestra(2)");
        QVERIFY(first && second);
        QCOMPARE(first->text(), QString("&1 Volta a volta"));
        QVERIFY(first->isChecked() && !second->isChecked());
        second->trigger();
        QCOMPARE(mdi->activeSubWindow()->widget(), other);
        emit windows->aboutToShow();  // listed again, not twice
        QCOMPARE(p.view.findChildren<QAction*>(QRegularExpression("^Finestra\\(")).size(), 2);

        p.view.findChild<QAction*>("MnuMosaic")->trigger();
        for (QMdiSubWindow* sub : mdi->subWindowList()) QVERIFY(!sub->isMaximized());
        QVERIFY(p.view.findChild<QAction*>("MnuCascada")->isEnabled());
        // One screen: the live windows stay child windows, the full-screen entry is off.
        if (QGuiApplication::screens().size() < 2)
            QVERIFY(!p.view.findChild<QAction*>("MnuPantallaCompleta")->isEnabled());
    }
};

}  // namespace sc

QTEST_MAIN(sc::HeatModeWindowTest)
#include "heat_mode_window_test.moc"
