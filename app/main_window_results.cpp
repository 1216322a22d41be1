// The main window's results commands: the classification entries and buttons
// open the results window. The rules live in results/.

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "app/classification_plug.h"
#include "app/heat_mode_view.h"
#include "app/lap_listing_window.h"
#include "app/main_window.h"
#include "app/penalitzacions_window.h"
#include "app/results_window.h"
#include "core/file_error.h"
#include "output/display_files.h"
#include "output/exportar_window.h"
#include "output/print_jobs.h"
#include "output/qt_report_printer.h"

namespace sc {
namespace {

constexpr int kFirstStored = 2;  // official practice: the first modality whose heats are stored
constexpr int kRace = 4;

QString indexedName(const char* name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }

}  // namespace

void PortadaView::wireResultsCommands() {
    for (int m = kFirstStored; m <= kRace; ++m)
        if (auto* button = findChild<QPushButton*>(indexedName("BotoCls", m)))
            connect(button, &QPushButton::clicked, this,
                    [this, m] { openResults(m, portada_.LlSeries[m].selected + 1); });
    // "Classificacions": every series of the race, else of the highest modality that has series.
    if (auto* entry = findChild<QAction*>("MnuAltresRtats"))
        connect(entry, &QAction::triggered, this, [this] {
            for (int m = kRace; m >= kFirstStored; --m)
                if (portada_.modalityEnabled[m]) return openResults(m, 0);
        });
    // "Llistar voltes": the selected series of the same modality, its last heat.
    if (auto* entry = findChild<QAction*>("MnuVltaaVlta"))
        connect(entry, &QAction::triggered, this, [this] {
            for (int m = kRace; m >= kFirstStored; --m)
                if (portada_.modalityEnabled[m]) {
                    LlistarVoltesView window(state_, prompter_, RaceSeriesFolder(state_, m),
                                             portada_.LlSeries[m].selected + 1, 0, this);
                    window.exec();
                    return;
                }
        });
    // "Exportar a TXT...": the export window in text mode on the selected race.
    if (auto* entry = findChild<QAction*>("MnuExportar"))
        connect(entry, &QAction::triggered, this, [this] {
            state_.ModeCorregir = kModeTextExport;
            ExportarView window(state_, prompter_, {}, this);
            window.exec();
            state_.ModeCorregir = 0;
        });
    // Command1: the outside display's files; CURSA.TXT shows the selected race series.
    connect(export_, &QPushButton::clicked, this, [this] {
        const ArchiveOutcome outcome = WriteDisplayFiles(state_, portada_.LlSeries[kRace].selected + 1);
        if (outcome.ok())
            prompter_.inform(DisplayFilesWrittenText(state_.Settings.Language, state_.CurrentRace),
                             "SlotCursa", MessageIcon::Information);
        else
            prompter_.inform(outcome.message, "Error", MessageIcon::Exclamation);
    });
    for (const QString& name : {indexedName("MnuPen", kRace), indexedName("BotoPen", kRace)}) {
        if (auto* entry = findChild<QAction*>(name))
            connect(entry, &QAction::triggered, this, [this] { openPenalties(); });
        if (auto* button = findChild<QPushButton*>(name))
            connect(button, &QPushButton::clicked, this, [this] { openPenalties(); });
    }
}

void PortadaView::updateResultsCommandStates() {
    const bool idle = !(heatMode_ && heatMode_->programme().ui.heatMode);
    bool any = false;
    for (int m = kFirstStored; m <= kRace; ++m) {
        const bool on = idle && portada_.raceControlsEnabled && portada_.modalityEnabled[m];
        any = any || on;
        if (auto* button = findChild<QPushButton*>(indexedName("BotoCls", m))) button->setEnabled(on);
    }
    export_->setEnabled(idle && portada_.raceControlsEnabled);
    for (const char* name : {"MnuAltresRtats", "MnuVltaaVlta", "MnuExportar"})
        if (auto* entry = findChild<QAction*>(name)) entry->setEnabled(any);
    const bool race = idle && portada_.raceControlsEnabled && portada_.modalityEnabled[kRace];
    if (auto* entry = findChild<QAction*>(indexedName("MnuPen", kRace))) entry->setEnabled(race);
    if (auto* button = findChild<QPushButton*>(indexedName("BotoPen", kRace))) button->setEnabled(race);
}

void PortadaView::openResults(int modality, int series) {
    const SeriesFolder source = RaceSeriesFolder(state_, modality);
    ResultatsView window(state_, prompter_, source, series, this);
    QtReportPrinter printer(state_, prompter_, &window);
    window.setPrinting([&](int which) {
        const RaceHeading race = SelectedRaceHeading(portada_);
        const Resultats& results = window.results();
        const PrintJob job = which == 0 ? ResultsJob(state_, race, results, modality)
                                        : QuadrantJob(state_, race, results, source,
                                                      series > 0 ? series : state_.CurrentSeries,
                                                      QuadrantOfCriterion(results.criterion));
        printer.Preview(job.report, job.name);
    });
    window.exec();
}

void PortadaView::openPenalties() {
    const int series = portada_.LlSeries[kRace].selected + 1;
    const QAction* modality = findChild<QAction*>(indexedName("MnuPrg", kRace));
    const QLabel* label = findChild<QLabel*>(indexedName("Text", kRace));
    const std::string race = portada_.LlProves.isValidPosition(portada_.LlProves.selected)
                                 ? portada_.LlProves.items[portada_.LlProves.selected]
                                 : std::string();
    try {
        Penalitzacions form = RacePenalties(state_, series);
        const std::string suffix =
            PenaltiesTitleSuffix(race, modality ? modality->text().remove('&').toStdString() : "",
                                 label ? label->text().toStdString() : "", series);
        PenalitzacionsView window(state_, prompter_, form, suffix, this);
        window.exec();
    } catch (const FileError& e) {
        prompter_.inform(e.describe(), "Error", MessageIcon::Exclamation);
    }
}

}  // namespace sc
