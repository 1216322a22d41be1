// Reports written as real PDFs through QPrinter and read back with
// `pdftotext -layout`: fields in order on their lines, a long report over
// pages with its header on each, and the results window's print buttons.
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "app/demo_race.h"
#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/results_window.h"
#include "core/settable_clock.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "localisation/language_tables.h"
#include "output/print_jobs.h"
#include "output/qt_report_printer.h"
#include "results/results_series_files.h"
#include "standings/classification_columns.h"
#include "temp_folder.h"

using namespace sc;

namespace {

// The PDF's text, one string per page, each split into lines.
QList<QStringList> pdfPages(const std::filesystem::path& file) {
    QProcess run;
    run.start("pdftotext", {"-layout", QString::fromStdString(file.string()), "-"});
    if (!run.waitForFinished(20000) || run.exitCode() != 0) qFatal("pdftotext failed");
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(run.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts))
        pages.append(page.split('\n'));
    return pages;
}

int lineWith(const QStringList& lines, const QString& text) {
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].contains(text)) return i;
    return -1;
}

// The words of a line, blanks dropped.
QStringList words(const QString& line) { return line.split(' ', Qt::SkipEmptyParts); }

RaceState raceAfterHeat(int heat) {
    RaceState state;
    state.CurrentModality = static_cast<int16_t>(Modality::Race);
    state.SeriesCount = {0, 0, 0, 0, 1};
    state.CurrentSeries = 1;
    state.CurrentHeat = static_cast<int16_t>(heat);
    state.Msg[0][0] = "v";  // the laps suffix of the gaps
    return state;
}

}  // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT

private slots:
    // Anna and Biel lead 97 more: fields in order on their lines, the header on every page.
    void heatClassification_InOrderOnTheirLinesOverPagesWithTheHeaderOnEach() {
        Grid g = cls::MakeInfoClass(kCatalan, 99);
        for (int row = 3; row <= 99; ++row) g.SetTextMatrix(row, cls::kName, "Pilot " + std::to_string(row));
        for (auto [row, name, laps, gap] : {std::tuple{1, "Anna", "12", ""}, {2, "Biel", "11", "-1v"}}) {
            g.SetTextMatrix(row, cls::kName, name);
            g.SetTextMatrix(row, cls::kLaps, laps);
            g.SetTextMatrix(row, cls::kGapLeader, gap);
            g.SetTextMatrix(row, cls::kGapAhead, gap);
        }
        test::TempFolder temp;
        const auto file = temp.path() / "heat.pdf";
        QVERIFY(WriteReportPdf(
            HeatClassificationReport(raceAfterHeat(3), {"Cursa del Montseny", "01-02-2026"}, g), file));
        const QList<QStringList> pages = pdfPages(file);
        QVERIFY(pages.size() >= 2);
        const QStringList& lines = pages[0];
        const int race = lineWith(lines, "Cursa del Montseny");
        QVERIFY(race >= 0);
        QVERIFY(lines[race].trimmed().endsWith("01-02-2026"));
        QVERIFY(lineWith(lines, "Classificació Cursa") > race);
        const int anna = lineWith(lines, "Anna");
        QVERIFY(anna > lineWith(lines, "Participant"));
        QCOMPARE(words(lines[anna]), (QStringList{"1.-Anna", "12"}));
        QCOMPARE(words(lines[anna + 1]), (QStringList{"2.-Biel", "11", "-1v", "-1v"}));
        QStringList seen;
        for (const QStringList& page : pages) {
            QVERIFY(lineWith(page, "Acabada la màniga: 3") >= 0);
            QVERIFY(lineWith(page, "Participant") >= 0);
            for (const QString& line : page)
                if (line.contains("Pilot ")) seen.append(words(line).last());
        }
        QCOMPARE(seen.size(), 97);  // every participant once, in order
        for (int i = 0; i < 97; ++i) QCOMPARE(seen[i], QString::number(i + 3));
    }

    // What the jobs print is checked in the report tests and the print_race script.
    void resultsWindow_ButtonsPrintTheListAndTheQuadrant() {
        test::TempFolder temp;
        RaceState state = raceAfterHeat(1);
        test::writeNames(temp.path() / "CRS001.PAR", 1, {"Anna", "Biel"});
        test::writeHeatFile(temp.path() / "CRS001.DAD",
                            {{1,
                              36000,
                              {test::resultRecord(1, 11, 36100, 5.2f, 1, 11, 5.2f),
                               test::resultRecord(2, 12, 36090, 5.1f, 2, 12, 5.1f)}}});
        QueuedPrompter prompter;
        const SeriesFolder source{temp.path(), 4, {}, {}};
        ResultatsView view(state, prompter, source, 0);
        std::vector<PrintJob> printed;
        view.setPrinting([&](int which) {
            printed.push_back(which == 0 ? ResultsJob(state, {"Cursa", ""}, view.results(), 4)
                                         : QuadrantJob(state, {"Cursa", ""}, view.results(), source, 1,
                                                       QuadrantOfCriterion(view.results().criterion)));
        });
        view.findChild<QPushButton*>("Imprimir(0)")->click();
        view.findChild<QPushButton*>("Imprimir(1)")->click();
        QCOMPARE(printed.size(), std::size_t{2});
        const auto list = ReportLines(printed[0].report.texts, printed[0].report.lines);
        QVERIFY(list[9].find("Biel") != std::string::npos);         // 12 laps ahead of Anna's 11
        QCOMPARE(printed[1].name, std::string("CRS001_Quadrant"));  // the race opens by total laps
    }

    // After a race heat (I) prints straight away; this machine has no printer,
    // so a PDF in the race folder is offered and, accepted, written.
    void heatPanel_WithoutAPrinterOffersAPdfInTheRaceFolder() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer would print on paper");
        test::TempFolder temp;
        QVERIFY(createDemoProgramFolder(temp.path(), kCatalan));
        RaceState state;
        prepareRaceState(state, temp.path(), 800, 600);
        LoadProgramSettings(state);
        QueuedPrompter prompter;
        SettableClock clock{36000};
        PortadaView main(state, prompter);
        main.heatMode().setClock(clock);
        main.load();
        state.RecoveryPending = 0;
        main.portada().LlProves_Click(0);
        main.portada().LlSeries_Click(4, 0);
        HeatModeView& heat = main.heatMode();
        QVERIFY(heat.open(4));
        heat.key('S');
        clock.t += 5;
        heat.manual(1);
        heat.key('S');
        prompter.shown.clear();
        heat.key('I');
        const auto pdf = temp.path() / "PROVA001" / "CRS001_Classificacio_01.pdf";
        QVERIFY(std::filesystem::exists(pdf));
        QCOMPARE(prompter.shown.size(), std::size_t{2});
        QCOMPARE(prompter.shown[0].text, PrintMessage(kCatalan, PrintText::NoPrinter));
        QVERIFY(lineWith(pdfPages(pdf).value(0), "Acabada la màniga: 1") >= 0);
    }
};

QTEST_MAIN(ReportPdfTest)
#include "report_pdf_window_test.moc"
