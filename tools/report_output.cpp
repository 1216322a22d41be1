#include "tools/report_output.h"

#include <stdexcept>

namespace sc::tool {

namespace {
PdfWriter& pdfWriter() {
    static PdfWriter writer;
    return writer;
}
}  // namespace

void SetPdfWriter(PdfWriter writer) { pdfWriter() = std::move(writer); }

void OutputReport(std::ostream& out, const Report& report, const std::optional<std::filesystem::path>& pdf) {
    if (!pdf) {
        for (const auto& line : ReportLines(report.texts, report.lines)) out << line << '\n';
        return;
    }
    if (!pdfWriter())
        throw std::runtime_error("this build of slotcursa-tool cannot write PDF (it has no Qt)");
    if (!pdfWriter()(report, *pdf)) throw std::runtime_error("could not write " + pdf->string());
}

void TextReportPrinter::PrintNow(const Report& report, const std::string& name) {
    out_ << "print: " << name << '\n';
    OutputReport(out_, report, std::nullopt);
}

}  // namespace sc::tool
