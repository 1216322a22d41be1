// "Nova sèrie..." of the race frame on screen: the first race series is built
// from the official practice and its programme opens.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app_test_helpers.h"
#include "core/settings_files.h"
#include "results/results_series_files.h"

namespace sc {

class RaceSeriesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void newRaceSeries_BuildsTheFirstSeriesAndOpensItsProgramme() {
        test::TempFolder folder;
        const std::filesystem::path app = folder.path(), race = app / "PROVA001";
        RaceState state;
        state.AppFolder = state.WorkingFolder = app;
        test::addRace(app, "Copa", "01-11-2026", {0, 1, 0, 0});
        for (const auto& dir : {app, race})
            QVERIFY(saveTrackConfig(defaultTrackConfig(8), dir / kTrackFileName));
        test::writeText(app / "DISTRIBUCIONS08.TXT", "8,16\n");
        test::writeNames(race / "OFC001.PAR", 1, {"R08", "R07", "R06", "R05", "R04", "R03", "R02", "R01"});
        std::vector<HeatRecord> rows;
        for (int slot = 1; slot <= 8; ++slot)
            rows.push_back(test::resultRecord(slot, 10, 36000 + slot, 5.0f + 0.01f * (9 - slot), 1, 10, 5));
        test::writeHeatFile(race / "OFC001.DAD", {{1, 36000, rows}});

        QueuedPrompter prompter;
        PortadaView view(state, prompter);
        view.load();
        prompter.answers = {Button::Yes, Button::Ok};  // create series 1; the repechage report
        view.findChild<QPushButton*>("BotoNou(4)")->click();

        QCOMPARE(readParticipantList(race / "CRS001.PAR").names,
                 (std::vector<std::string>{"R08", "R07", "R05", "R03", "R01", "R02", "R04", "R06"}));
        QVERIFY(view.heatMode().programme().ui.heatMode);
        QCOMPARE(state.CurrentModality, int16_t(4));
        QCOMPARE(state.CurrentSeries, int16_t(1));
        QCOMPARE(view.findChild<QComboBox*>("LlSeries(4)")->count(), 1);
        QCOMPARE(prompter.shown.back().text, std::string("No hi ha repesques programades."));
    }
};

}  // namespace sc

QTEST_MAIN(sc::RaceSeriesWindowTest)
#include "race_series_window_test.moc"
