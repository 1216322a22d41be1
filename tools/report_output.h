#pragma once
// A report out of the tool: as text, one line per report line with each field
// at its column, or as a PDF when the tool is built with Qt.
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

#include "output/report.h"

namespace sc::tool {

using PdfWriter = std::function<bool(const Report&, const std::filesystem::path&)>;
// Set by the Qt build of the tool; without it a PDF is refused.
void SetPdfWriter(PdfWriter writer);

// Text lines to `out`, or the PDF `pdf` (a std::runtime_error when it cannot be written).
void OutputReport(std::ostream& out, const Report& report, const std::optional<std::filesystem::path>& pdf);

}  // namespace sc::tool
