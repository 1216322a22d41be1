#include "app/qt_screenshots.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "app/about_window.h"
#include "app/demo_race.h"
#include "app/main_window.h"
#include "app/qt_config_dialogs.h"
#include "core/settings_files.h"
#include "core/startup.h"

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
        const std::string suffix = std::string("_") + kLanguageSuffix[language] + ".png";

        PortadaView main(state, prompter);
        main.resize(1100, 760);
        main.load();
        written += save(main, outputFolder / ("portada" + suffix));

        for (auto& [name, window] : configWindowsForScreenshots(state, prompter, &main))
            written += save(*window, outputFolder / (name + suffix));

        InformacioView about(state, &main);
        written += save(about, outputFolder / ("informacio" + suffix));
    }
    if (written == 0) problem = "no picture could be written into " + outputFolder.string();
    return written;
}

}  // namespace sc
