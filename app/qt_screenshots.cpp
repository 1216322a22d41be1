#include "app/qt_screenshots.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/about_window.h"
#include "app/demo_race.h"
#include "app/heat_mode_view.h"
#include "app/main_window.h"
#include "app/qt_config_dialogs.h"
#include "app/recovery_dialogue.h"
#include "config_windows/qt_prompter.h"
#include "config_windows/track_config_window.h"
#include "core/race_store.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "organisation/race_manager_window.h"
#include "output/exportar_window.h"
#include "output/print_jobs.h"
#include "output/qt_report_printer.h"
#include "standings/voltaavolta_window.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr const char* kLanguageSuffix[] = {"ca", "es"};
// The smallest screen the windows are laid out for, and a track-side 24-inch one.
const QSize kScreens[] = {{1024, 768}, {1920, 1080}};

bool save(QWidget& window, const fs::path& file) {
    window.show();
    QApplication::processEvents();
    const bool ok = window.grab().save(QString::fromStdString(file.string()), "PNG");
    window.hide();
    return ok;
}

// Menu entries opening a modal window, and the picture's name.
constexpr std::pair<const char*, const char*> kModalWindows[] = {
    {"MnuNovaProva", "nova_prova"},      {"MnuIns100", "llista_participants"},
    {"MnuIns(4)", "participants_cursa"}, {"MnuPen(4)", "penalitzacions"},
    {"MnuAltresRtats", "resultats"},     {"MnuVltaaVlta", "llistar_voltes"},
};

// A modal window opened by `open`: saved as soon as it shows, then closed.
int saveModal(const std::function<void()>& open, const fs::path& file) {
    bool ok = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll.stop();
        ok = modal->grab().save(QString::fromStdString(file.string()), "PNG");
        modal->close();
    });
    poll.start(10);
    open();
    return ok ? 1 : 0;
}

int saveAction(QWidget& main, const char* action, const fs::path& file) {
    auto* entry = main.findChild<QAction*>(action);
    if (!entry || !entry->isEnabled()) return 0;
    return saveModal([entry] { entry->trigger(); }, file);
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
// every lane, shot while it runs (the classification, then the lap-by-lap
// window, then both tiled); then the heat is ended, its classification written
// as the PDF `report` when one is named, and the programme closed.
int saveLiveWindows(RaceState& state, PortadaView& main, DemoClock& clock, int modality,
                    const std::string& name, const std::string& suffix, const fs::path& folder,
                    const fs::path& report = {}) {
    HeatModeView& heat = main.heatMode();
    state.RecoveryPending = 0;  // start-up settles it before any heat
    main.portada().LlProves_Click(0);
    main.portada().LlSeries_Click(modality, 0);
    main.showState();
    if (!heat.open(modality)) return 0;
    heat.key('S');
    for (int lap = 0; lap <= kDemoLaps; ++lap)
        for (int lane = 1; lane <= kDemoLanes; ++lane) {
            clock.t += 0.62 + 0.05 * ((lane * 7 + lap * 3) % 6);
            heat.manual(lane);
        }
    clock.t += 1;
    heat.tick();
    int written = save(main, folder / ("classificacio_" + name + suffix));
    if (modality == 4) {
        heat.key('+');  // a lap correction being typed
        heat.key('7');
        heat.key('P');  // and the heat paused
        written += save(main, folder / ("classificacio_pausa_correccio" + suffix));
        heat.key(kEscapeKey);
        heat.key('P');
    }
    if (VoltaaVoltaView* live = heat.liveWindow()) {
        main.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(live->parentWidget()));
        written += save(main, folder / ("voltaavolta_" + name + suffix));
        if (auto* tile = main.findChild<QAction*>("MnuMosaic")) tile->trigger();
        written += save(main, folder / ("mosaic_" + name + suffix));
    }
    heat.key('S');
    if (modality == 4) written += saveModal([&heat] { heat.menu(3); }, folder / ("corregir" + suffix));
    if (!report.empty())
        written += WriteReportPdf(
            HeatClassificationJob(state, SelectedRaceHeading(main.portada()), heat.engine().InfoClass).report,
            report);
    heat.menu(0);  // "(Esc) Tancar": the key would ask first, a heat being stored
    return written;
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
    for (int language = 0; language < 2; ++language)
        for (const QSize& size : kScreens) {
            const std::string suffix =
                "_" + std::to_string(size.width()) + "_" + kLanguageSuffix[language] + ".png";
            const fs::path folder =
                fs::path(temp.path().toStdString()) / (kLanguageSuffix[language] + suffix);
            if (!createDemoProgramFolder(folder, language)) {
                problem = "cannot write the demo race into " + folder.string();
                return 0;
            }
            RaceState state;
            prepareRaceState(state, folder, size.width(), size.height());
            LoadProgramSettings(state);
            QueuedPrompter prompter;
            DemoClock clock;

            PortadaView main(state, prompter);
            main.load();
            main.resize(size);
            written += save(main, outputFolder / ("portada" + suffix));

            for (auto& [name, window] : configWindowsForScreenshots(state, prompter, &main)) {
                written += save(*window, outputFolder / (name + suffix));
                // And with the settings behind "Més opcions" shown.
                if (auto* more = window->findChild<QAbstractButton*>("MesOpcions")) {
                    more->click();
                    written += save(*window, outputFolder / (name + "_mes" + suffix));
                }
            }

            InformacioView about(state, &main);
            written += save(about, outputFolder / ("informacio" + suffix));
            GestorProvesView manager(state, prompter, &main);
            written += save(manager, outputFolder / ("gestor_proves" + suffix));

            main.heatMode().setClock(clock);
            written += saveLiveWindows(state, main, clock, 2, "ofc", suffix, outputFolder);
            // The heat classification as printed: a PDF that scripts/screenshots turns into a PNG.
            const fs::path report = size.width() == 1920
                                        ? outputFolder / ("informe_classificacio_" +
                                                          std::string(kLanguageSuffix[language]) + ".pdf")
                                        : fs::path();
            written += saveLiveWindows(state, main, clock, 4, "crs", suffix, outputFolder, report);

            // The windows of a race with a heat run, and the recovery question (its title).
            for (const auto& [action, name] : kModalWindows)
                written += saveAction(main, action, outputFolder / (std::string(name) + suffix));
            ExportarView archive(state, prompter, {folder / raceFolderName(1), {}}, &main);
            written += save(archive, outputFolder / ("exportar" + suffix));
            QtPrompter boxes(&main, &state.Settings.Language);
            written += saveModal(
                [&] {
                    boxes.ask(
                        {recoveryQuestion(state.Settings.Language, "Campionat Social 8 pistes", 4, 1, 2),
                         recoveryTitle(state.Settings.Language),
                         {Button::Yes, Button::No},
                         Button::No,
                         MessageIcon::Question});
                },
                outputFolder / ("recuperacio" + suffix));

            // The race's own track, with heats run: the lock warning above the lanes.
            WorkingFolderGuard inRace(state, folder / raceFolderName(1));
            LoadTrackConfig(state);
            ConfiguracioPistaView track(state, prompter, &main);
            written += save(track, outputFolder / ("configuracio_pista_prova" + suffix));
        }
    if (written == 0) problem = "no picture could be written into " + outputFolder.string();
    return written;
}

}  // namespace sc
