// The race windows on screen: captions from the language tables, buttons and
// lists forwarded to the headless race manager, new-race and entrants windows.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/app_test_helpers.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "organisation/entrants_window.h"
#include "organisation/race_data_window.h"
#include "organisation/race_manager_window.h"
#include "window_child.h"

using namespace sc;

namespace {
using sc::test::child;

struct Folder {
    Folder() {
        state.AppFolder = temp.path();
        state.WorkingFolder = temp.path();
        if (!saveTrackConfig(defaultTrackConfig(8), temp.path() / kTrackFileName))
            qFatal("test data not written");
    }
    std::filesystem::path race(int n) const { return temp.path() / raceFolderName(n); }
    test::TempFolder temp;
    RaceState state;
    QueuedPrompter prompter;
};

}  // namespace

class RaceWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // Typing a new race and accepting it: the main window's test.
    void novaProva_ChangeModeShowsTheRaceData() {
        Folder f;
        f.state.ModeCorregir = 3;
        NovaProvaView view(f.state, f.prompter, nullptr, CatalogueEntry{"Vella", "01-01-2026"});
        QCOMPARE(view.windowTitle(), QStringLiteral("Modificar dades de la prova"));
        QCOMPARE(child<QLineEdit>(view, "TextProva")->text(), QStringLiteral("Vella"));
        child<QLineEdit>(view, "TextProva")->clear();
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(f.prompter.shown.back().text, std::string("Falta el nom de la prova"));
        QVERIFY(view.result() != int(QDialog::Accepted));
    }

    void gestorProves_ListsRacesAndDeletesTheSelectedOne() {
        Folder f;
        test::addRace(f.temp.path(), "A", "01-01-2026", {1, 2, 0, 0});
        test::addRace(f.temp.path(), "B", "02-01-2026", {1, 1, 1, 1});
        GestorProvesView view(f.state, f.prompter);
        QCOMPARE(view.windowTitle(), QStringLiteral("Gestor de proves"));
        QCOMPARE(child<QPushButton>(view, "Sortir(2)")->text(), QStringLiteral("&Eliminar prova..."));
        auto* races = child<QListWidget>(view, "LlProves");
        QCOMPARE(races->count(), 2);
        QCOMPARE(races->currentRow(), 1);
        QCOMPARE(child<QListWidget>(view, "Data")->currentRow(), 1);

        races->setCurrentRow(0);
        QCOMPARE(child<QListWidget>(view, "Data")->currentRow(), 0);
        child<QComboBox>(view, "NPrgr")->setCurrentIndex(1);  // official practice
        QCOMPARE(child<QListWidget>(view, "LlSeries")->count(), 2);

        f.prompter.answers = {Button::Yes};
        child<QPushButton>(view, "Sortir(2)")->click();
        QCOMPARE(races->count(), 1);
        QCOMPARE(races->item(0)->text(), QStringLiteral("B"));
        QVERIFY(!std::filesystem::exists(f.race(2)));
    }

    void gestorProves_LabelsInSpanish() {
        Folder f;
        f.state.Settings.Language = 1;
        GestorProvesView view(f.state, f.prompter);
        QCOMPARE(view.windowTitle(), QStringLiteral("Gestor de pruebas"));
        const char* const expected[] = {"Prueba:",           "Fecha:",    "Serie:",    "Mangas completadas:",
                                        "Número de series.", "Ficheros:", "Modalidad:"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(child<QLabel>(view, QStringLiteral("Text(%1)").arg(i))->text(),
                     QString::fromUtf8(expected[i]));
    }

    void inscrits_SlotsCountAndPickList() {
        Folder f;
        test::addRace(f.temp.path(), "A", "01-01-2026", {1, 1, 1, 1});
        std::filesystem::copy_file(f.temp.path() / kTrackFileName, f.race(1) / kTrackFileName);
        std::vector<std::string> entrants;
        for (int i = 1; i <= 12; ++i) entrants.push_back("Entrant" + std::to_string(i));
        QVERIFY(writeParticipantList(f.race(1) / kEntrantsFileName, {0, entrants}));
        f.state.CurrentRace = 1;
        f.state.CurrentModality = 4;
        f.state.CurrentSeries = 1;
        f.state.WorkingFolder = f.race(1);

        Inscrits form(f.state, f.prompter);
        InscritsView view(f.state, form);
        QVERIFY(view.windowTitle().endsWith(QStringLiteral(" - Participants a la cursa")));
        QCOMPARE(child<QLabel>(view, "Text(2)")->text(), QStringLiteral("8 - 99"));
        QCOMPARE(child<QLabel>(view, "Text(0)")->text(), QStringLiteral("Inscrit (12)"));
        QCOMPARE(child<QTableWidget>(view, "LlistaInscrits")->rowCount(), 12);
        QVERIFY(view.findChild<QLineEdit*>(QStringLiteral("NomPista(8)")) != nullptr);
        QCOMPARE(child<QLabel>(view, "TextPista(1)")->text(), QStringLiteral("8"));

        auto* count = child<QLineEdit>(view, "NPilots");
        count->setText(QStringLiteral("150"));
        view.countEdited();
        QVERIFY(view.findChild<QLineEdit*>(QStringLiteral("NomPista(99)")) != nullptr);
        count->setText(QStringLiteral("9"));
        view.countEdited();
        QVERIFY(view.findChild<QLineEdit*>(QStringLiteral("NomPista(10)")) == nullptr);

        view.pickRow(12, true);
        QCOMPARE(child<QLineEdit>(view, "NomPista(1)")->text(), QStringLiteral("#12 Entrant12"));
        QTest::keyClicks(child<QLineEdit>(view, "NomPista(2)"), QStringLiteral("Typed"));
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(view.result(), int(QDialog::Accepted));
        const ParticipantList saved = readParticipantList(f.race(1) / "CRS001.PAR");
        QCOMPARE(saved.names.size(), std::size_t(9));
        QCOMPARE(saved.names[0], std::string("#12 Entrant12"));
        QCOMPARE(saved.names[1], std::string("Typed"));
    }
};

QTEST_MAIN(RaceWindowsTest)
#include "race_windows_window_test.moc"
