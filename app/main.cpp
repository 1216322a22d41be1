// SlotCursa: start-up, the main window, and the hidden --screenshots option.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

#include "app/portada.h"
#include "app/qt_program.h"
#include "app/qt_screenshots.h"
#include "config_windows/qt_prompter.h"
#include "core/program_folder.h"
#include "core/race_state.h"

namespace {

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("SlotCursa");
    QApplication::setOrganizationName("SlotCursa");
    QApplication::setApplicationVersion(QString::fromStdString(sc::Portada::versionText()));

    QCommandLineParser options;
    options.setApplicationDescription("SlotCursa");
    options.addHelpOption();
    QCommandLineOption folderOption("folder", "Program folder (settings and races).", "DIR");
    QCommandLineOption screenshotsOption("screenshots", "Write PNG pictures of every window into DIR.",
                                         "DIR");
    screenshotsOption.setFlags(QCommandLineOption::HiddenFromHelp);
    options.addOption(folderOption);
    options.addOption(screenshotsOption);
    options.process(app);

    if (options.isSet(screenshotsOption)) {
        std::string problem;
        const int written = sc::writeScreenshots(toPath(options.value(screenshotsOption)), problem);
        std::printf("%d pictures written\n", written);
        if (written == 0) std::fprintf(stderr, "slotcursa: %s\n", problem.c_str());
        return written > 0 ? 0 : 1;
    }

    std::optional<std::filesystem::path> requested;
    if (options.isSet(folderOption)) requested = toPath(options.value(folderOption));
    const auto choice = sc::chooseProgramFolder(
        requested, toPath(QApplication::applicationDirPath()),
        toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)), sc::isWritableFolder);
    if (!choice.ok()) {
        QMessageBox::critical(nullptr, "SlotCursa", QString::fromStdString(choice.problem));
        return 1;
    }

    sc::RaceState state;
    sc::QtPrompter prompter(nullptr, &state.Settings.Language);
    sc::QtProgram program(state, prompter);
    if (!program.start(choice.folder)) return 0;
    return app.exec();
}
