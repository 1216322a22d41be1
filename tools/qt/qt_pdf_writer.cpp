// The Qt build of the tool writes PDFs through the program's printer code,
// with an offscreen application when there is no display.
#include <QGuiApplication>
#include <memory>

#include "output/qt_report_printer.h"
#include "tools/report_output.h"

namespace sc::tool {

namespace {

bool writePdf(const Report& report, const std::filesystem::path& file) {
    // An application for this one write, gone before the tool's statics are.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "slotcursa-tool";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return WriteReportPdf(report, file);
}

const bool registered = (SetPdfWriter(writePdf), true);

}  // namespace

}  // namespace sc::tool
