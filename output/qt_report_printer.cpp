#include "output/qt_report_printer.h"

#include <QAction>
#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <algorithm>

#include "core/race_store.h"

namespace sc {

namespace {

constexpr double kColumnsPerInch = 12;  // 10-point Courier
constexpr double kLinesPerInch = 6;

QFont reportFont(double pixels) {
    QFont font(kReportFontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
    return font;
}

}  // namespace

bool PaintReport(const Report& report, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double dpi = printer.resolution();
    // The grid at its natural size, smaller when the widest line would not fit.
    const double natural = dpi / kColumnsPerInch;
    const double cell =
        std::min(natural, printer.width() / static_cast<double>(std::max(report.width + 1, 1)));
    const double scale = cell / natural;
    const double lineHeight = dpi / kLinesPerInch * scale;
    const int linesPerPage = std::max(1, static_cast<int>(printer.height() / lineHeight));
    const double pointPixels = dpi / 72.0 * scale;
    bool first = true;
    for (const auto& page : Paginate(report, linesPerPage)) {
        if (!first) printer.newPage();
        first = false;
        for (const auto& text : page) {
            const QFont font = reportFont(text.size * pointPixels);
            painter.setFont(font);
            const double baseline = text.line * lineHeight + QFontMetricsF(font).ascent();
            painter.drawText(QPointF(text.column * cell, baseline), QString::fromStdString(text.text));
        }
    }
    return painter.end();
}

bool WriteReportPdf(const Report& report, const std::filesystem::path& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
    return PaintReport(report, printer) && std::filesystem::exists(file);
}

bool QtPrinterDevice::HasDefaultPrinter() const { return !QPrinterInfo::defaultPrinter().isNull(); }

bool QtPrinterDevice::PrintOnDefault(const Report& report) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    return PaintReport(report, printer);
}

std::filesystem::path QtReportPrinter::raceFolder() const {
    return state_.CurrentRace > 0 ? state_.AppFolder / raceFolderName(state_.CurrentRace) : state_.AppFolder;
}

void QtReportPrinter::PrintNow(const Report& report, const std::string& name) {
    PrintOrOfferPdf(device_, prompter_, language(), report, raceFolder(), name);
}

void QtReportPrinter::Preview(const Report& report, const std::string& name) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QString::fromStdString(PrintMessage(language(), PrintText::Title)));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter* target) { PaintReport(report, *target); });
    if (auto* bar = dialog.findChild<QToolBar*>()) {
        QAction* save = bar->addAction(QString::fromStdString(PrintMessage(language(), PrintText::SavePdf)));
        save->setObjectName("DesarPdf");
        QObject::connect(save, &QAction::triggered, &dialog, [this, &report, &dialog, name] {
            const auto suggested = raceFolder() / (name + ".pdf");
            const QString file = QFileDialog::getSaveFileName(
                &dialog, QString::fromStdString(PrintMessage(language(), PrintText::SavePdf)),
                QString::fromStdString(suggested.string()), "PDF (*.pdf)");
            if (file.isEmpty()) return;
            if (!WriteReportPdf(report, file.toStdString()))
                prompter_.inform(PrintMessage(language(), PrintText::PdfFailed) + file.toStdString(),
                                 PrintMessage(language(), PrintText::Title), MessageIcon::Exclamation);
        });
    }
    dialog.exec();
}

}  // namespace sc
