#pragma once
// Printing straight to the default printer, as the heat panel does in the
// middle of a meeting: without a printer the person is offered a PDF in the
// race folder, and told where it went or that it could not be written.
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/prompter.h"
#include "output/report.h"

namespace sc {

// The platform's printing, as the delivery needs it.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    virtual bool HasDefaultPrinter() const = 0;
    virtual bool PrintOnDefault(const Report& report) = 0;
    virtual bool WritePdf(const Report& report, const std::filesystem::path& file) = 0;
};

// `name` is the PDF's file name without the extension. Returns the PDF
// written, or an empty path.
std::filesystem::path PrintOrOfferPdf(PrinterDevice& device, Prompter& prompter, int16_t language,
                                      const Report& report, const std::filesystem::path& folder,
                                      const std::string& name);

enum class PrintText { Title, NoPrinter, Saved, PdfFailed, PrintFailed, SavePdf };
std::string PrintMessage(int16_t language, PrintText text);

}  // namespace sc
