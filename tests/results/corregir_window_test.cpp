// The corrections window on screen: its caption and value header by mode,
// Enter moving down the boxes, the coma padded on leaving its box, and a
// double click on the track picture's last lane saving and closing.
#include "results/corregir_window.h"

#include <QImage>
#include <QLineEdit>
#include <QtTest>
#include <fstream>

#include "core/prompter.h"
#include "results_series_files.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"
#include "temp_folder.h"

using namespace sc;
namespace fs = std::filesystem;

namespace {

struct Race {
    Race() {
        fs::create_directories(temp.path() / "Infograf");
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(QString::fromStdString((temp.path() / "Infograf" / "Comes.jpg").string()));
        std::ofstream(temp.path() / "Infograf" / "PxCm.txt") << "100,50,35\n";
        state.CurrentHeat = 1;
        state.Track.LaneChange = {2, 1, 2};
        test::writeHeatFile(
            state.WorkingFolder / "CRS001.DAD",
            {{1,
              36000,
              {test::resultRecord(1, 5, 36001, 0, 1, 5, 0), test::resultRecord(2, 5, 36002, 0, 2, 5, 0)}}});
    }
    test::TempFolder temp;
    RaceState state = test::comaRace(temp.path());
    QueuedPrompter prompter;
    StandingsEngine engine{state};
    HeatResultsStore store{state, engine, prompter};
};

}  // namespace

class CorregirWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionsByMode() {
        Race r;
        r.state.ModeCorregir = 0;
        CorregirView corrections(r.state, r.engine, r.store, r.prompter);
        QCOMPARE(corrections.windowTitle(), QStringLiteral("Corregir dades"));
        QCOMPARE(corrections.findChild<QLabel*>("Text(4)")->text(), QStringLiteral("V.Ràpida"));
        QCOMPARE(corrections.valueBox(0)->text(), QStringLiteral("0.0000"));
        r.state.ModeCorregir = -2;
        CorregirView comas(r.state, r.engine, r.store, r.prompter);
        QCOMPARE(comas.windowTitle(), QStringLiteral("Entrar comes"));
        QCOMPARE(comas.findChild<QLabel*>("Text(4)")->text(), QStringLiteral("Coma"));
        QVERIFY(!comas.picture()->pixmap().isNull());
    }

    void enterMovesOnAndTheLastDoubleClickSaves() {
        Race r;
        r.state.ModeCorregir = -2;
        CorregirView view(r.state, r.engine, r.store, r.prompter);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.lapsBox(0)->setFocus();
        QTest::keyClick(view.lapsBox(0), Qt::Key_Return);
        QVERIFY(view.valueBox(0)->hasFocus());
        QTest::keyClicks(view.valueBox(0), "7");
        QTest::keyClick(view.valueBox(0), Qt::Key_Return);
        QCOMPARE(view.valueBox(0)->text(), QStringLiteral("07"));
        QVERIFY(view.lapsBox(1)->hasFocus());
        QTest::mouseDClick(view.picture(), Qt::LeftButton, {}, QPoint(100, 50));
        QCOMPARE(view.result(), int(QDialog::Accepted));
        const auto heat = readHeatBlocks(r.state.WorkingFolder / "CRS001.DAD")[0].rows;
        QCOMPARE(heat[0].heatLaps + heat[1].heatLaps, 5.07f + 5.35f);
    }
};

QTEST_MAIN(CorregirWindowTest)
#include "corregir_window_test.moc"
