// The export window on screen in its archive and restore modes: the file list
// of *.prb, the name field, the overwrite question, the progress labels, a
// cancelled job leaving no file; and text export of the selected race.
#include "output/exportar_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/app_test_helpers.h"
#include "core/race_store.h"
#include "temp_folder.h"
#include "window_child.h"

using namespace sc;
namespace fs = std::filesystem;

namespace {
using sc::test::child;

struct Folder {
    Folder() {
        state.AppFolder = temp.path();
        test::addRace(temp.path(), "Copa", "06-12-2026", {0, 1, 1, 1});
        test::writeText(race() / "CRS001.VAV", std::string(3 << 20, 'v'));
        test::writeText(temp.path() / "notes.txt", "notes");
    }
    fs::path race() const { return temp.path() / raceFolderName(1); }
    ArchiveSource source() const { return {race(), {"PROVA.DAD", "CRS001.VAV"}}; }
    test::TempFolder temp;
    RaceState state;
    QueuedPrompter prompter;
};

QString text(QWidget& view, const char* label) { return child<QLabel>(view, label)->text(); }

}  // namespace

class ExportarWindowTest : public QObject {
    Q_OBJECT

private slots:
    void archive_AsksForANameThenBeforeOverwritingAndACancelKeepsTheOld() {
        Folder f;
        f.state.ModeCorregir = kModeArchive;
        ExportarView view(f.state, f.prompter, f.source());
        QCOMPARE(view.windowTitle(), QStringLiteral("Arxivar prova"));
        QCOMPARE(text(view, "Text(0)"), QStringLiteral("Gravar a:"));
        QVERIFY(!child<QCheckBox>(view, "QuaSep")->isVisibleTo(&view));
        QCOMPARE(child<QListWidget>(view, "Fitxers")->count(), 0);  // notes.txt is no archive

        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(f.prompter.shown.back().text, std::string("Falta el nom de l'arxiu"));

        test::writeText(f.temp.path() / "copa.prb", "old");
        child<QLineEdit>(view, "NomArxiu")->setText(QStringLiteral("copa"));
        f.prompter.answers = {Button::No};
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(child<QLineEdit>(view, "NomArxiu")->text(), QStringLiteral("copa.prb"));
        QCOMPARE(f.prompter.shown.back().title, std::string("L'arxiu ja existeix"));
        QCOMPARE(f.prompter.shown.back().text, std::string("copa.prb\nSobreescriure'l?"));
        QCOMPARE(f.prompter.shown.back().defaultButton, Button::No);

        // Cancelled while it runs: the old archive stays as it was.
        f.prompter.answers = {Button::Yes};
        QTimer::singleShot(0, &view, [&] {
            QVERIFY(view.running());
            QVERIFY(child<QPushButton>(view, "Cancellar")->isVisibleTo(&view));
            child<QPushButton>(view, "Cancellar")->click();
        });
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(f.prompter.shown.back().text, std::string("Cancel·lat: no s'ha deixat cap arxiu a mitges."));
        QVERIFY(view.result() != int(QDialog::Accepted));
        QCOMPARE(test::readText(f.temp.path() / "copa.prb"), std::string("old"));

        f.prompter.answers = {Button::Yes};
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(view.result(), int(QDialog::Accepted));
        QCOMPARE(text(view, "InfoArxiu"), QStringLiteral("Arxivant Copa (06-12-2026)"));
        QCOMPARE(text(view, "Percent"), QStringLiteral("2/2"));
        QCOMPARE(text(view, "InfoTreball"), QStringLiteral("CRS001.VAV"));
        QVERIFY(fs::file_size(f.temp.path() / "copa.prb") > (3u << 20));
    }

    void restore_PicksAnArchiveFromTheListAndAddsARace() {
        Folder f;
        ArxivarProva(f.state, f.race(), f.source().files, f.temp.path() / "copa.prb");
        f.state.ModeCorregir = kModeRestore;
        f.state.Settings.Language = 1;
        ExportarView view(f.state, f.prompter, {});
        QCOMPARE(text(view, "Text(0)"), QStringLiteral("Leer de:"));
        auto* files = child<QListWidget>(view, "Fitxers");
        QCOMPARE(files->count(), 1);
        files->setCurrentRow(0);
        QCOMPARE(child<QLineEdit>(view, "NomArxiu")->text(), QStringLiteral("copa.prb"));
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(view.result(), int(QDialog::Accepted));
        QCOMPARE(text(view, "InfoArxiu"), QStringLiteral("Desarchivando Copa (06-12-2026)"));
        QCOMPARE(readCatalogue(f.temp.path() / kCatalogueFileName).size(), std::size_t(2));
    }

    void textExport_WritesTheSelectedRacesResults() {
        Folder f;
        f.state.ModeCorregir = kModeTextExport;
        f.state.CurrentRace = 1;
        ExportarView view(f.state, f.prompter, {});
        QCOMPARE(view.windowTitle(), QStringLiteral("Exportar a TXT"));
        auto* separate = child<QCheckBox>(view, "QuaSep");
        QVERIFY(separate->isVisibleTo(&view));
        QCOMPARE(child<QListWidget>(view, "Fitxers")->item(0)->text(), QStringLiteral("notes.txt"));
        child<QListWidget>(view, "Fitxers")->setCurrentRow(0);
        separate->setChecked(true);
        f.prompter.answers = {Button::Yes};  // overwrite notes.txt
        child<QPushButton>(view, "Sortir(1)")->click();
        QCOMPARE(f.prompter.shown.back().title, std::string("L'arxiu ja existeix"));
        QCOMPARE(view.result(), int(QDialog::Accepted));
        QVERIFY(view.form().QuaSep);
        QCOMPARE(text(view, "InfoArxiu"), QStringLiteral("Exportant a TXT Copa (06-12-2026)"));
    }
};

QTEST_MAIN(ExportarWindowTest)
#include "exportar_window_test.moc"
