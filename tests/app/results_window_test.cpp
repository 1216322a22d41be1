// The results, penalties and lap-listing windows on screen: captions, the
// race's criterion, filters hiding rows, printing disabled, Esc, a damaged
// series file reported, a penalty saved from the boxes, the listing's export.
#include "app/results_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "app/lap_listing_window.h"
#include "app/penalitzacions_window.h"
#include "app_test_helpers.h"
#include "core/penalty_file.h"
#include "core/record_file.h"
#include "results/results_series_files.h"
#include "window_child.h"

using namespace sc;
namespace fs = std::filesystem;

namespace {

using test::child;

struct RaceFolder : test::AppState {
    RaceFolder() {
        state.SeriesCount = {0, 0, 0, 0, 1};
        test::writeNames(folder.path() / "CRS001.PAR", 1, {"Anna", "Biel"});
        test::writeHeatFile(folder.path() / "CRS001.DAD",
                            {{1,
                              36000,
                              {test::resultRecord(1, 12, 36100, 5.2f, 1, 12, 5.2f),
                               test::resultRecord(2, 11, 36090, 5.1f, 2, 11, 5.1f)}}});
    }
    SeriesFolder source() const {
        TrackConfig track;
        track.LaneCount = 2;
        return SeriesFolder{folder.path(), 4, track, {}};
    }
};

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void race_OpensByTotalLapsFiltersByLaneClosesOnEscAndReportsADamagedFile() {
        RaceFolder f;
        ResultatsView view(f.state, f.prompter, f.source(), 0);
        QVERIFY(child<QRadioButton>(view, "CriteriOrdre(1)")->isChecked());
        QCOMPARE(child<QRadioButton>(view, "CriteriOrdre(2)")->text(), QStringLiteral("Volta ràpida"));
        QVERIFY(!child<QPushButton>(view, "Imprimir(1)")->isEnabled());
        auto* table = child<QTableView>(view, "LlistaVoltes");
        QCOMPARE(table->model()->data(table->model()->index(0, 3)).toString(), QStringLiteral("Anna"));
        QCOMPARE(table->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Total V."));
        QVERIFY(table->isColumnHidden(9));  // the fastest lap belongs to another criterion

        auto* lanes = child<QComboBox>(view, "Filtre(2)");
        QCOMPARE(lanes->itemText(0), QStringLiteral("Totes"));
        lanes->setCurrentIndex(lanes->findText("2"));
        QVERIFY(table->isRowHidden(0));
        QVERIFY(!table->isRowHidden(1));
        QCOMPARE(table->model()->data(table->model()->index(1, 0)).toString(), QStringLiteral("1.-"));

        child<QRadioButton>(view, "CriteriOrdre(2)")->click();
        QVERIFY(!table->isColumnHidden(9));
        QVERIFY(f.prompter.shown.empty());
        view.show();
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.isVisible());

        // A damaged series file is reported as the window opens.
        std::filesystem::resize_file(f.folder.path() / "CRS001.DAD", 70);
        ResultatsView damaged(f.state, f.prompter, f.source(), 0);
        QCOMPARE(f.prompter.shown.size(), std::size_t{1});
        QVERIFY(f.prompter.shown[0].text.find("CRS001.DAD") != std::string::npos);
    }

    void penalties_SavesTheBoxesOfTheChosenParticipant() {
        RaceFolder f;
        Penalitzacions form(f.folder.path() / "CRS001.PEN", {"Anna", "Biel Fontanals i Casademunt"});
        PenalitzacionsView view(f.state, f.prompter, form, " - Prova");
        QCOMPARE(child<QLabel>(view, "Text(2)")->text(), QStringLiteral("Voltes de penalització:"));
        view.show();
        auto* quadre = child<QTableView>(view, "Quadre");
        QVERIFY(quadre->columnWidth(0) >
                quadre->fontMetrics().horizontalAdvance("Biel Fontanals i Casademunt"));
        child<QComboBox>(view, "Participant")->setCurrentIndex(1);
        auto* valor = child<QLineEdit>(view, "Valor");
        QTest::keyClicks(valor, "0,5");
        emit valor->editingFinished();
        QCOMPARE(valor->text(), QStringLiteral("0.5"));
        QTest::keyClicks(child<QLineEdit>(view, "Concepte"), "Tall");
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(readPenalties(f.folder.path() / "CRS001.PEN"),
                 (std::vector<PenaltyEntry>{{2, 0.5f, "Tall"}}));
    }

    void listing_CountsTheRowsAndExportsOnADoubleClick() {
        RaceFolder f;
        const fs::path vav = f.folder.path() / "CRS001.VAV";
        const LapRecord records[] = {{0, 0, 36000, 1, 0, 4, 0, 0},
                                     {1, 1, 1, 99.9999f, 0, 1, 0, 0},
                                     {1, 1, 6, 5, 0, 2, 0, 0},
                                     {2, 2, 7, 99.9999f, 0, 1, 0, 0},
                                     {0, 0, 36010, 10, 0, 4, 0, 0}};
        for (std::size_t i = 0; i < std::size(records); ++i) QVERIFY(writeLapRecord(vav, i + 1, records[i]));
        LlistarVoltesView view(f.state, f.prompter, f.source(), 1, 1);
        QCOMPARE(child<QLabel>(view, "Contador(0)")->text(), QStringLiteral("Lectures: 3"));
        child<QComboBox>(view, "Filtre(2)")->setCurrentIndex(2);  // lane 2
        QCOMPARE(child<QLabel>(view, "Contador(0)")->text(), QStringLiteral("Lectures: 1"));
        QTest::mouseDClick(child<QLabel>(view, "Contador(3)"), Qt::LeftButton);
        QVERIFY(fs::exists(f.folder.path() / "VLTAVLT.TXT"));
        QVERIFY(f.prompter.shown.empty());
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
