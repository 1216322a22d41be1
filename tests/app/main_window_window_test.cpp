// The program's start-up and main window on screen (offscreen platform).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/portada.h"
#include "app/qt_program.h"
#include "app_test_helpers.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "results/results_series_files.h"

namespace sc {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    // Closes the next modal dialogs in order: true saves (the dialog's save
    // button "Sortir(1)"), false closes without saving.
    void answerDialogs(std::vector<bool> saves) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer, saves, next = std::size_t{0}]() mutable {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen.push_back(dialog->objectName());
            if (saves[next++])
                dialog->findChild<QAbstractButton*>("Sortir(1)")->click();
            else
                dialog->reject();
            if (next < saves.size()) return;
            timer->stop();
            timer->deleteLater();
        });
        timer->start(20);
    }

    std::vector<QString> seen;

private slots:
    // Either window closed without saving ends the program (the order, and the
    // values the windows propose, are tabled in startup_test).
    void firstStart_SettingsThenTrackThenMainWindow() {
        const std::vector<QString> windows{"ConfiguracioPrg", "ConfiguracioPista"};
        for (const std::vector<bool>& saves : {std::vector<bool>{true, true}, {false}, {true, false}}) {
            test::TempFolder folder;
            RaceState state;
            QueuedPrompter prompter;
            QtProgram program(state, prompter);
            seen.clear();
            answerDialogs(saves);
            const bool bothSaved = saves.size() == 2 && saves.back();
            QCOMPARE(program.start(folder.path()), bothSaved);
            QCOMPARE(seen, std::vector<QString>(windows.begin(), windows.begin() + saves.size()));
            QVERIFY(bothSaved || prompter.shown.empty());  // boxes only from the ports opened after
            QCOMPARE(program.mainWindow() != nullptr, bothSaved);
            if (!bothSaved) continue;
            QVERIFY(program.mainWindow()->isVisible());
            QCOMPARE(state.RecoveryPending, int16_t(0));  // first start asks nothing
            program.mainWindow()->close();
        }
    }

    // The lists show the logic's selections on load (restoring KEL4.INI is tabled in
    // portada_test); the date list drives the race list and refills the series
    // lists; Sortir writes KEL4.INI line by line: race, the four series lists,
    // the classification toggle.
    void mainWindow_ShowsCatalogueAndQuitsInOrder() {
        test::TempFolder folder;
        QVERIFY(saveProgramSettings(defaultProgramSettings(), folder.path() / kSettingsFileName));
        QVERIFY(saveTrackConfig(defaultTrackConfig(), folder.path() / kTrackFileName));
        test::addRace(folder.path(), "Trofeu", "01-02-2025", {1, 2, 0, 2});
        test::addRace(folder.path(), "Resistència", "03-04-2025", {1, 3, 1, 1});
        test::writeText(folder.path() / kSelectionsFileName, " 1\r\n 0\r\n 0\r\n 0\r\n 0\r\n-1\r\n");
        QueuedPrompter prompter;
        RaceState state;
        QtProgram program(state, prompter);
        QVERIFY(program.start(folder.path()));
        auto* races = program.mainWindow()->findChild<QListWidget*>("LlProves");
        auto* dates = program.mainWindow()->findChild<QListWidget*>("Data");
        QVERIFY(races && dates);
        QCOMPARE(races->count(), 2);
        QCOMPARE(races->item(1)->text(), QString::fromUtf8("Resistència"));
        QCOMPARE(races->currentRow(), 1);
        dates->setCurrentRow(0);
        QCOMPARE(races->currentRow(), 0);
        QCOMPARE(state.CurrentRace, int16_t(1));
        auto* race = program.mainWindow()->findChild<QComboBox*>("LlSeries(4)");
        QCOMPARE(race->count(), 2);
        QCOMPARE(race->itemText(1), QString("2"));
        QCOMPARE(race->currentIndex(), 1);
        QVERIFY(!program.mainWindow()->findChild<QComboBox*>("LlSeries(3)")->isEnabled());  // Trofeu has none
        race->setCurrentIndex(0);
        auto* quit = program.mainWindow()->findChild<QAction*>("MnuSortir");
        QVERIFY(quit && quit->isEnabled());
        quit->trigger();
        QCOMPARE(test::readText(folder.path() / kSelectionsFileName),
                 std::string(" 0\r\n 0\r\n 1\r\n-1\r\n 0\r\n-1\r\n"));
    }

    // No catalogue, and a KEL4.INI naming a race there is not: every named control
    // is there, the race-level ones off until "Nova prova..." makes a race.
    void mainWindow_NamesEveryControl_RaceCommandsOnOnceANewRaceIsMade() {
        test::AppState p;
        QVERIFY(saveTrackConfig(defaultTrackConfig(), p.folder.path() / kTrackFileName));
        test::writeText(p.folder.path() / kSelectionsFileName, " 0 \r\n");
        p.prompter.answers = {Button::Ok};  // the confirmation of the new race
        PortadaView view(p.state, p.prompter);
        view.load();
        QCOMPARE(p.state.CurrentRace, int16_t(0));
        for (const char* name : {"MnuArxiu", "MnuProgrames", "MnuDades", "MnuResultats", "MnuFinestres",
                                 "MnuAjuda", "MnuManual", "MnuConfiguracio"})
            QVERIFY2(view.findChild<QMenu*>(name), name);
        // Plain training needs no race.
        for (int i = 0; i <= 4; ++i) {
            QCOMPARE(view.findChild<QAction*>(QString("MnuPrg(%1)").arg(i))->isEnabled(), i == 0);
            QVERIFY(view.findChild<QWidget*>(QString("BotoPrg(%1)").arg(i)));
        }
        for (int i = 0; i <= 5; ++i) QVERIFY(view.findChild<QWidget*>(QString("Menu(%1)").arg(i)));
        // The lanes join the manual menu when a modality opens the track.
        QVERIFY(view.findChild<QAction*>("Manual(0)"));
        QVERIFY(!view.findChild<QAction*>("Manual(1)"));
        // The other named controls are reached by the tests around this one or in heat_mode_window_test.
        for (const char* name : {"TextHora", "TextPausa", "MesMenys", "Logo", "LlSeries(1)"})
            QVERIFY2(view.findChild<QWidget*>(name), name);
        QVERIFY(view.findChild<QWidget*>("FonsDeMenu")->isHidden());
        QCOMPARE(view.findChild<QLabel*>("Versio")->text(), QString::fromStdString(Portada::versionText()));
        // The window says how to create the first race.
        QVERIFY(view.findChild<QLabel*>("Benvinguda")->isVisibleTo(&view));
        QVERIFY(view.findChild<QLabel*>("Benvinguda")->text().contains(QString::fromUtf8("Nova prova")));
        QVERIFY(!view.findChild<QComboBox*>("LlSeries(4)")->isEnabled());
        QVERIFY(view.findChild<QAction*>("MnuIns100")->isEnabled());
        const char* const raceLevel[] = {"MnuIns(0)", "MnuNou(4)",   "MnuAltresRtats", "MnuVltaaVlta",
                                         "MnuPen(4)", "MnuExportar", "BotoCls(4)",     "BotoPen(4)"};
        for (const char* name : raceLevel)
            QVERIFY2(!view.findChild<QObject*>(name)->property("enabled").toBool(), name);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("TextProva")->setText("Copa de Tardor");
            dialog->findChild<QLineEdit*>("TextData")->setText("01-11-2026");
            dialog->findChild<QAbstractButton*>("Sortir(1)")->click();
        });
        view.findChild<QAction*>("MnuNovaProva")->trigger();
        auto* races = view.findChild<QListWidget*>("LlProves");
        QCOMPARE(races->count(), 1);
        QCOMPARE(races->item(0)->text(), QString("Copa de Tardor"));
        for (const char* name : raceLevel)
            QVERIFY2(view.findChild<QObject*>(name)->property("enabled").toBool(), name);

        // The penalties of race series 1, titled with the race and the series.
        QString title;
        QTimer::singleShot(0, [&title] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            dialog->findChild<QAbstractButton*>("Sortir(0)")->click();
        });
        view.findChild<QAction*>("MnuPen(4)")->trigger();
        QVERIFY2(title.contains("Copa de Tardor") && title.endsWith(" 1)"), qPrintable(title));

        // "Exportar a TXT...": the export window in text mode writes the race's results.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QString("Exportar"));
            dialog->findChild<QLineEdit*>("NomArxiu")->setText("copa");
            dialog->findChild<QAbstractButton*>("Sortir(1)")->click();
        });
        view.findChild<QAction*>("MnuExportar")->trigger();
        QVERIFY(std::filesystem::exists(p.folder.path() / "copa.txt"));
        QCOMPARE(p.state.ModeCorregir, int16_t(0));

        // Command1 writes the outside display's files into the race folder.
        auto* display = view.findChild<QPushButton*>("Command1");
        QCOMPARE(display->text(), QString("Exportar 001"));
        display->click();
        QCOMPARE(p.prompter.shown.back().text,
                 std::string("ENTRENAMENTS.TXT, REPESQUES.TXT i CURSA.TXT escrits a PROVA001."));
        for (const char* file : {"ENTRENAMENTS.TXT", "REPESQUES.TXT", "CURSA.TXT"})
            QVERIFY2(std::filesystem::exists(p.folder.path() / "PROVA001" / file), file);
    }

    // "Nova sèrie..." of the race frame: the first race series is built from the
    // official practice and its programme opens.
    void newRaceSeries_BuildsTheFirstSeriesAndOpensItsProgramme() {
        test::AppState p;
        const std::filesystem::path app = p.folder.path(), race = app / "PROVA001";
        test::addRace(app, "Copa", "01-11-2026", {0, 1, 0, 0});
        for (const auto& dir : {app, race})
            QVERIFY(saveTrackConfig(defaultTrackConfig(8), dir / kTrackFileName));
        test::writeText(app / "DISTRIBUCIONS08.TXT", "8,16\n");
        test::writeNames(race / "OFC001.PAR", 1, {"R08", "R07", "R06", "R05", "R04", "R03", "R02", "R01"});
        std::vector<HeatRecord> rows;
        for (int slot = 1; slot <= 8; ++slot)
            rows.push_back(test::resultRecord(slot, 10, 36000 + slot, 5.0f + 0.01f * (9 - slot), 1, 10, 5));
        test::writeHeatFile(race / "OFC001.DAD", {{1, 36000, rows}});

        PortadaView view(p.state, p.prompter);
        view.load();
        p.prompter.answers = {Button::Yes, Button::Ok};  // create series 1; the repechage report
        view.findChild<QPushButton*>("BotoNou(4)")->click();

        QCOMPARE(readParticipantList(race / "CRS001.PAR").names,
                 (std::vector<std::string>{"R08", "R07", "R05", "R03", "R01", "R02", "R04", "R06"}));
        QVERIFY(view.heatMode().programme().ui.heatMode);
        QCOMPARE(p.state.CurrentModality, int16_t(4));
        QCOMPARE(p.state.CurrentSeries, int16_t(1));
        QCOMPARE(view.findChild<QComboBox*>("LlSeries(4)")->count(), 1);
        QCOMPARE(p.prompter.shown.back().text, std::string("No hi ha repesques programades."));
    }
};

}  // namespace sc

QTEST_MAIN(sc::MainWindowTest)
#include "main_window_window_test.moc"
