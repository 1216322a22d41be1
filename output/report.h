#pragma once
// A printed report as a list of texts placed on a grid of character columns
// (one cell of 10-point Courier, 12 per inch) and lines, built with the four
// placement routines of the printer: left, right, centred and on the decimal
// separator. Texts in another font size are placed with the factor size / 10.
#include <string>
#include <string_view>
#include <vector>

namespace sc {

inline constexpr int kReportFontSize = 10;
// The smaller size of the gap, series, pass, lane and heat columns.
inline constexpr int kReportSmallFontSize = 8;
inline constexpr const char* kReportFontName = "Courier";

struct PlacedText {
    int line = 0;
    double column = 0;  // in cells of the 10-point grid
    int size = kReportFontSize;
    std::string text;

    // Where the text ends on the 10-point grid.
    double end() const;
    bool operator==(const PlacedText&) const = default;
};

struct Report {
    std::vector<PlacedText> texts;
    int lines = 0;        // lines in all, header included
    int headerLines = 0;  // the first lines, repeated at the top of every page
    int width = 0;        // columns the widest line reaches (at least the layout's width)
};

// Characters of a UTF-8 text.
int TextLength(std::string_view utf8);

// The printer's current position while a report is laid out.
class ReportLayout {
public:
    explicit ReportLayout(int width) : width_(width) {}

    void SetFontSize(int points) { size_ = points; }
    int FontSize() const { return size_; }

    // Each trims the text and places it; a text that would start inside the
    // previous one on its line starts one blank after it, so a long name
    // pushes the next field instead of being cut or overprinted.
    void Left(double x, std::string_view text);
    void Right(double x, std::string_view text);
    void Centre(double x, std::string_view text);
    void Decimal(double x, std::string_view text);

    void NewLine(int count = 1);
    // The lines so far head every page.
    void EndHeader() { headerLines_ = line_; }
    Report Take();

private:
    void place(double column, std::string text);
    double factor() const { return size_ / 10.0; }

    Report report_;
    int width_;
    int size_ = kReportFontSize;
    int line_ = 0;
    int headerLines_ = 0;
    double lineEnd_ = 0;  // end of the last text on the current line
};

// The report cut in pages of `linesPerPage` lines: the header at the top of
// each page, then as many body lines as fit (at least one). Lines are
// renumbered from 0 on each page.
std::vector<std::vector<PlacedText>> Paginate(const Report& report, int linesPerPage);

// One text line per report line, each text at its column (rounded down),
// pushed one blank past a text it would overwrite.
std::vector<std::string> ReportLines(const std::vector<PlacedText>& texts, int lines);

}  // namespace sc
