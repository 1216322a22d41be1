#pragma once
// Reports on paper and in PDF: the character grid drawn with QPainter on a
// QPrinter in a fixed-pitch font, scaled down when the widest line would not
// fit the page, new pages with the header repeated.
#include <filesystem>

#include "core/race_state.h"
#include "output/report_delivery.h"
#include "output/report_printer.h"

class QPrinter;
class QWidget;

namespace sc {

// Draws every page; false when the printer could not be opened.
bool PaintReport(const Report& report, QPrinter& printer);
bool WriteReportPdf(const Report& report, const std::filesystem::path& file);

class QtPrinterDevice : public PrinterDevice {
public:
    bool HasDefaultPrinter() const override;
    bool PrintOnDefault(const Report& report) override;
    bool WritePdf(const Report& report, const std::filesystem::path& file) override {
        return WriteReportPdf(report, file);
    }
};

class QtReportPrinter : public ReportPrinter {
public:
    // PDFs go to the folder of the state's current race; texts in its language.
    QtReportPrinter(const RaceState& state, Prompter& prompter, QWidget* parent = nullptr)
        : state_(state), prompter_(prompter), parent_(parent) {}

    void PrintNow(const Report& report, const std::string& name) override;
    void Preview(const Report& report, const std::string& name) override;

private:
    std::filesystem::path raceFolder() const;
    int16_t language() const { return state_.Settings.Language; }

    const RaceState& state_;
    Prompter& prompter_;
    QWidget* parent_;
    QtPrinterDevice device_;
};

}  // namespace sc
