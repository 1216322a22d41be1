#include "output/report.h"

#include <algorithm>
#include <cmath>

namespace sc {

namespace {

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

int TextLength(std::string_view utf8) {
    return static_cast<int>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

double PlacedText::end() const { return column + TextLength(text) * size / 10.0; }

void ReportLayout::Left(double x, std::string_view text) { place(x, trim(text)); }

void ReportLayout::Right(double x, std::string_view text) {
    std::string t = trim(text);
    const double start = x - TextLength(t) * factor();
    place(start, std::move(t));
}

void ReportLayout::Centre(double x, std::string_view text) {
    std::string t = trim(text);
    const double start = x - TextLength(t) / 2.0 * factor();
    place(start, std::move(t));
}

void ReportLayout::Decimal(double x, std::string_view text) {
    std::string t = trim(text);
    auto separator = t.find('.');
    if (separator == std::string::npos) separator = t.find(',');
    const int before =
        separator == std::string::npos ? TextLength(t) : TextLength(std::string_view(t).substr(0, separator));
    const double start = x - before * factor();
    place(start, std::move(t));
}

void ReportLayout::place(double column, std::string text) {
    if (text.empty()) return;
    if (column < lineEnd_) column = lineEnd_ + 1;
    PlacedText placed{line_, column, size_, std::move(text)};
    lineEnd_ = placed.end();
    report_.texts.push_back(std::move(placed));
}

void ReportLayout::NewLine(int count) {
    line_ += count;
    lineEnd_ = 0;
}

Report ReportLayout::Take() {
    report_.lines = line_;
    report_.headerLines = headerLines_;
    double widest = width_;
    for (const auto& t : report_.texts) widest = std::max(widest, t.end());
    report_.width = static_cast<int>(std::ceil(widest));
    return std::move(report_);
}

std::vector<std::vector<PlacedText>> Paginate(const Report& report, int linesPerPage) {
    const int header = report.headerLines;
    const int body = std::max(1, linesPerPage - header);
    std::vector<std::vector<PlacedText>> pages;
    for (int first = header; first < report.lines || pages.empty(); first += body) {
        std::vector<PlacedText>& page = pages.emplace_back();
        for (const auto& t : report.texts) {
            if (t.line < header) {
                page.push_back(t);
            } else if (t.line >= first && t.line < first + body) {
                page.push_back(t);
                page.back().line = t.line - first + header;
            }
        }
    }
    return pages;
}

std::vector<std::string> ReportLines(const std::vector<PlacedText>& texts, int lines) {
    std::vector<std::string> out(std::max(lines, 0));
    std::vector<int> ends(out.size(), 0);
    for (const auto& t : texts) {
        if (t.line < 0 || t.line >= lines) continue;
        std::string& line = out[t.line];
        int start = static_cast<int>(std::floor(std::max(t.column, 0.0)));
        if (start < ends[t.line]) start = ends[t.line] + 1;  // texts in a smaller size are wider here
        line.append(std::max(0, start - TextLength(line)), ' ');
        line += t.text;
        ends[t.line] = start + TextLength(t.text);
    }
    for (auto& line : out) line.erase(line.find_last_not_of(' ') + 1);
    return out;
}

}  // namespace sc
