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

#include "app/main_window.h"
#include "app/portada.h"
#include "app/qt_program.h"
#include "app_test_helpers.h"
#include "core/file_io.h"
#include "core/settings_files.h"
#include "core/startup.h"

namespace sc {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    // Closes the next modal dialogs in order: true saves (the dialog's save
    // button "Sortir(1)"), false closes without saving.
    void answerDialogs(std::vector<bool> saves) {
        auto next = std::make_shared<std::vector<bool>>(std::move(saves));
        auto step = std::make_shared<std::function<void()>>();
        *step = [this, next, step] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(20, *step);
                return;
            }
            seen.push_back(dialog->objectName());
            const bool save = next->front();
            next->erase(next->begin());
            if (save) {
                auto* button = dialog->findChild<QAbstractButton*>("Sortir(1)");
                QVERIFY(button);
                button->click();
            } else {
                dialog->reject();
            }
            if (!next->empty()) QTimer::singleShot(20, *step);
        };
        QTimer::singleShot(20, *step);
    }

    std::vector<QString> seen;

private slots:
    // Either window closed without saving ends the program (the order is tabled in startup_test).
    void firstStart_SettingsThenTrackWith64LanesThenMainWindow() {
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
            QCOMPARE(fileExists(folder.path() / kTrackFileName), bothSaved);
            QVERIFY(prompter.shown.empty());
            QCOMPARE(program.mainWindow() != nullptr, bothSaved);
            if (!bothSaved) continue;
            QVERIFY(fileExists(folder.path() / kSettingsFileName));
            const TrackConfig track = loadTrackConfig(folder.path() / kTrackFileName);
            QCOMPARE(track.LaneCount, int16_t(64));
            QCOMPARE(track.ConnectionCount, int16_t(2));
            QVERIFY(program.mainWindow()->isVisible());
            QCOMPARE(state.RecoveryPending, int16_t(0));  // first start asks nothing
            program.mainWindow()->close();
        }
    }

    void mainWindow_ShowsCatalogueAndRestoresSelectionsAfterOrderlyExit() {
        test::TempFolder folder;
        QVERIFY(saveProgramSettings(defaultProgramSettings(), folder.path() / kSettingsFileName));
        QVERIFY(saveTrackConfig(defaultTrackConfig(), folder.path() / kTrackFileName));
        test::addRace(folder.path(), "Trofeu", "01-02-2025", {1, 1, 1, 2});
        test::addRace(folder.path(), "Resistència", "03-04-2025", {1, 3, 0, 1});
        QueuedPrompter prompter;
        {
            RaceState state;
            QtProgram program(state, prompter);
            QVERIFY(program.start(folder.path()));
            auto* races = program.mainWindow()->findChild<QListWidget*>("LlProves");
            auto* dates = program.mainWindow()->findChild<QListWidget*>("Data");
            QVERIFY(races && dates);
            QCOMPARE(races->count(), 2);
            QCOMPARE(races->item(1)->text(), QString::fromUtf8("Resistència"));
            QCOMPARE(races->currentRow(), 1);
            dates->setCurrentRow(0);  // the race list follows the date list
            QCOMPARE(races->currentRow(), 0);
            QCOMPARE(state.CurrentRace, int16_t(1));
            auto* race = program.mainWindow()->findChild<QComboBox*>("LlSeries(4)");
            QVERIFY(race);
            QCOMPARE(race->count(), 2);
            race->setCurrentIndex(0);
            auto* quit = program.mainWindow()->findChild<QAction*>("MnuSortir");
            QVERIFY(quit && quit->isEnabled());
            quit->trigger();
        }
        QVERIFY(fileExists(folder.path() / kSelectionsFileName));
        test::writeText(folder.path() / kRecoveryFileName, " 1\r\n 4\r\n 1\r\n 1\r\n");  // stray
        RaceState state;
        QtProgram program(state, prompter);
        QVERIFY(program.start(folder.path()));
        QCOMPARE(program.mainWindow()->findChild<QListWidget*>("LlProves")->currentRow(), 0);
        QCOMPARE(program.mainWindow()->findChild<QComboBox*>("LlSeries(4)")->currentIndex(), 0);
        QVERIFY(!fileExists(folder.path() / kSelectionsFileName));
        QCOMPARE(state.RecoveryPending, int16_t(0));
        program.mainWindow()->close();
    }

    void mainWindow_NamesEveryControlAndDisablesMissingFeatures() {
        RaceState state;
        test::TempFolder folder;
        state.AppFolder = state.WorkingFolder = folder.path();
        QueuedPrompter prompter;
        PortadaView view(state, prompter);
        view.load();
        for (const char* name : {"MnuArxiu", "MnuProgrames", "MnuDades", "MnuResultats", "MnuFinestres",
                                 "MnuAjuda", "MnuManual", "MnuConfiguracio"})
            QVERIFY2(view.findChild<QMenu*>(name), name);
        for (int i = 0; i <= 4; ++i) {
            auto* entry = view.findChild<QAction*>(QString("MnuPrg(%1)").arg(i));
            QVERIFY(entry);
            QCOMPARE(entry->isEnabled(), i == 0);  // plain training needs no race
            QVERIFY(view.findChild<QWidget*>(QString("BotoPrg(%1)").arg(i)));
        }
        for (int i = 0; i <= 5; ++i) QVERIFY(view.findChild<QWidget*>(QString("Menu(%1)").arg(i)));
        // The lanes join the manual menu when a modality opens the track.
        QVERIFY(view.findChild<QAction*>("Manual(0)"));
        QVERIFY(!view.findChild<QAction*>("Manual(1)"));
        for (const char* name : {"LlProves", "Data", "FonsDeMenu", "Hora", "TextHora", "TextPausa", "Errors",
                                 "MesMenys", "Command1", "Logo", "Versio", "LlSeries(1)", "LlSeries(4)"})
            QVERIFY2(view.findChild<QWidget*>(name), name);
        QVERIFY(view.findChild<QWidget*>("FonsDeMenu")->isHidden());
        QCOMPARE(view.findChild<QLabel*>("Versio")->text(), QString::fromStdString(Portada::versionText()));
        // No catalogue: the window says how to create the first race; the race-level controls are off.
        QVERIFY(view.findChild<QLabel*>("Benvinguda")->isVisibleTo(&view));
        QVERIFY(view.findChild<QLabel*>("Benvinguda")->text().contains(QString::fromUtf8("Nova prova")));
        QVERIFY(!view.findChild<QComboBox*>("LlSeries(4)")->isEnabled());
        for (const char* name : {"MnuAltresRtats", "MnuVltaaVlta", "MnuPen(4)", "MnuExportar"})
            QVERIFY2(!view.findChild<QAction*>(name)->isEnabled(), name);
    }

    void raceCommands_EnabledByStateAndNewRaceFromTheMenu() {
        RaceState state;
        test::TempFolder folder;
        state.AppFolder = state.WorkingFolder = folder.path();
        QVERIFY(saveTrackConfig(defaultTrackConfig(), folder.path() / kTrackFileName));
        QueuedPrompter prompter;
        prompter.answers = {Button::Ok};  // the confirmation of the new race
        PortadaView view(state, prompter);
        view.load();
        QVERIFY(view.findChild<QAction*>("MnuNovaProva")->isEnabled());
        QVERIFY(view.findChild<QAction*>("MnuIns100")->isEnabled());
        QVERIFY(!view.findChild<QAction*>("MnuIns(0)")->isEnabled());  // no race yet
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
        QVERIFY(std::filesystem::is_directory(folder.path() / "PROVA001"));
        QVERIFY(view.findChild<QAction*>("MnuIns(0)")->isEnabled());
        QVERIFY(view.findChild<QAction*>("MnuNou(4)")->isEnabled());
        for (const char* name : {"MnuAltresRtats", "MnuVltaaVlta", "MnuPen(4)", "MnuExportar"})
            QVERIFY2(view.findChild<QAction*>(name)->isEnabled(), name);
        for (const char* name : {"BotoCls(4)", "BotoPen(4)"})
            QVERIFY2(view.findChild<QPushButton*>(name)->isEnabled(), name);

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
        QVERIFY(std::filesystem::exists(folder.path() / "copa.txt"));
        QCOMPARE(state.ModeCorregir, int16_t(0));

        // Command1 writes the outside display's files into the race folder.
        auto* display = view.findChild<QPushButton*>("Command1");
        QCOMPARE(display->text(), QString("Exportar 001"));
        QVERIFY(display->isEnabled());
        display->click();
        QCOMPARE(prompter.shown.back().text,
                 std::string("ENTRENAMENTS.TXT, REPESQUES.TXT i CURSA.TXT escrits a PROVA001."));
        for (const char* file : {"ENTRENAMENTS.TXT", "REPESQUES.TXT", "CURSA.TXT"})
            QVERIFY2(std::filesystem::exists(folder.path() / "PROVA001" / file), file);
    }
};

}  // namespace sc

QTEST_MAIN(sc::MainWindowTest)
#include "main_window_window_test.moc"
