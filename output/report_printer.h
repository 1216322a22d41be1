#pragma once
// Where reports go: the windows print through the platform's printer, the
// driver and the tests read the placed texts.
#include "output/report.h"

namespace sc {

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Straight to the default printer (the heat panel, in the middle of a
    // meeting); without a printer the person is offered a PDF in the race folder.
    // `name` names that file.
    virtual void PrintNow(const Report& report, const std::string& name) = 0;
    // A preview from which the person prints to any printer or saves a PDF.
    virtual void Preview(const Report& report, const std::string& name) = 0;
};

}  // namespace sc
