#include "app/qt_screenshots.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "app/about_window.h"
#include "app/demo_race.h"
#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/qt_config_dialogs.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "output/print_jobs.h"
#include "output/qt_report_printer.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr const char* kLanguageSuffix[] = {"ca", "es"};

bool save(QWidget& window, const fs::path& file) {
    window.show();
    QApplication::processEvents();
    const bool ok = window.grab().save(QString::fromStdString(file.string()), "PNG");
    window.hide();
    return ok;
}

class DemoClock : public PcClock {
public:
    double now() const override { return t; }
    double t = 10 * 3600.0;
};

constexpr int kDemoLanes = 8;
constexpr int kDemoLaps = 4;
constexpr int kEscapeKey = 27;

// Series 1 of the first race's `modality`, a heat under way with a few laps on
// every lane, shot while it runs; then the heat is ended, its classification
// written as the PDF `report` when one is named, and the programme closed.
bool saveLiveClassification(RaceState& state, PortadaView& main, DemoClock& clock, int modality,
                            const fs::path& file, const fs::path& report = {}) {
    HeatModeView& heat = main.heatMode();
    state.RecoveryPending = 0;  // start-up settles it before any heat
    main.portada().LlProves_Click(0);
    main.portada().LlSeries_Click(modality, 0);
    main.showState();
    if (!heat.open(modality)) return false;
    heat.key('S');
    for (int lap = 0; lap <= kDemoLaps; ++lap)
        for (int lane = 1; lane <= kDemoLanes; ++lane) {
            clock.t += 0.62 + 0.05 * ((lane * 7 + lap * 3) % 6);
            heat.manual(lane);
        }
    clock.t += 1;
    heat.tick();
    bool ok = save(main, file);
    heat.key('S');
    if (!report.empty())
        ok = WriteReportPdf(
                 HeatClassificationJob(state, SelectedRaceHeading(main.portada()), heat.engine().InfoClass)
                     .report,
                 report) &&
             ok;
    heat.key(kEscapeKey);
    return ok;
}

}  // namespace

int writeScreenshots(const fs::path& outputFolder, std::string& problem) {
    std::error_code ec;
    fs::create_directories(outputFolder, ec);
    QTemporaryDir temp;
    if (!temp.isValid()) {
        problem = "cannot create a temporary program folder";
        return 0;
    }
    int written = 0;
    for (int language = 0; language < 2; ++language) {
        const fs::path folder = fs::path(temp.path().toStdString()) / kLanguageSuffix[language];
        if (!createDemoProgramFolder(folder, language)) {
            problem = "cannot write the demo race into " + folder.string();
            return 0;
        }
        RaceState state;
        prepareRaceState(state, folder, 800, 600);
        LoadProgramSettings(state);
        QueuedPrompter prompter;
        DemoClock clock;
        const std::string suffix = std::string("_") + kLanguageSuffix[language] + ".png";

        PortadaView main(state, prompter);
        main.resize(1100, 760);
        main.load();
        written += save(main, outputFolder / ("portada" + suffix));

        for (auto& [name, window] : configWindowsForScreenshots(state, prompter, &main))
            written += save(*window, outputFolder / (name + suffix));

        InformacioView about(state, &main);
        written += save(about, outputFolder / ("informacio" + suffix));

        main.heatMode().setClock(clock);
        main.resize(1680, 900);  // a track-side screen: the table beside the selection panel
        written +=
            saveLiveClassification(state, main, clock, 2, outputFolder / ("classificacio_ofc" + suffix));
        // The heat classification as printed: a PDF that scripts/screenshots turns into a PNG.
        written += saveLiveClassification(
            state, main, clock, 4, outputFolder / ("classificacio_crs" + suffix),
            outputFolder / ("informe_classificacio_" + std::string(kLanguageSuffix[language]) + ".pdf"));
    }
    if (written == 0) problem = "no picture could be written into " + outputFolder.string();
    return written;
}

}  // namespace sc
