#pragma once
// A report out of the tool: as text, one line per report line with each field
// at its column, or as a PDF when the tool is built with Qt.
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

#include "output/report_printer.h"

namespace sc::tool {

using PdfWriter = std::function<bool(const Report&, const std::filesystem::path&)>;
// Set by the Qt build of the tool; without it a PDF is refused.
void SetPdfWriter(PdfWriter writer);

// Text lines to `out`, or the PDF `pdf` (a std::runtime_error when it cannot be written).
void OutputReport(std::ostream& out, const Report& report, const std::optional<std::filesystem::path>& pdf);

// Reports printed by the program's buttons, written as text: a line
// "print: NAME", then the report's lines.
class TextReportPrinter : public ReportPrinter {
public:
    explicit TextReportPrinter(std::ostream& out) : out_(out) {}
    void PrintNow(const Report& report, const std::string& name) override;
    void Preview(const Report& report, const std::string& name) override { PrintNow(report, name); }

private:
    std::ostream& out_;
};

}  // namespace sc::tool
