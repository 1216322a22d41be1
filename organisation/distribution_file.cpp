#include "organisation/distribution_file.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "localisation/file_problem_texts.h"

namespace sc {

namespace {

// A distribution file is a few lines typed by the user; anything this large is
// not one and is refused rather than loaded.
constexpr std::uintmax_t kMaxFileSize = 1 << 20;

struct Field {
    std::string text;
    int line = 0;
};

// Fields separated by commas or line ends; a field in double quotes may hold
// commas. Blank lines and a comma ending a line add no field.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<Field> next() {
        skipBlanks(true);
        if (atEnd()) return std::nullopt;
        Field field{{}, line_};
        if (text_[pos_] == '"') {
            ++pos_;
            while (!atEnd() && !atLineEnd() && text_[pos_] != '"') field.text += text_[pos_++];
            if (!atEnd() && text_[pos_] == '"') ++pos_;
            while (!atEnd() && !atLineEnd() && text_[pos_] != ',') ++pos_;  // rest after the quote
        } else {
            while (!atEnd() && !atLineEnd() && text_[pos_] != ',') field.text += text_[pos_++];
            while (!field.text.empty() && isBlank(field.text.back())) field.text.pop_back();
        }
        if (!atEnd() && text_[pos_] == ',') ++pos_;
        return field;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    // A Ctrl-Z ends a text file written by old editors.
    bool atEnd() const { return pos_ >= text_.size() || text_[pos_] == '\x1A'; }
    bool atLineEnd() const { return text_[pos_] == '\r' || text_[pos_] == '\n'; }

    void skipBlanks(bool lineEndsToo) {
        while (!atEnd() && (isBlank(text_[pos_]) || (lineEndsToo && atLineEnd()))) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

std::optional<int> readInteger(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    int16_t value = 0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

void malformed(DistributionLookup& out, const Field& field) {
    out.problem = DistributionProblem::BadLine;
    out.line = field.line;
    out.lineText = cp1252ToUtf8(field.text);
}

// Reads the next number of a record into `value`; false when the text ended
// (`field` empty) or the field is not a 16-bit whole number (`out` tells which).
bool nextNumber(FieldReader& reader, int& value, DistributionLookup& out, std::optional<Field>& field) {
    field = reader.next();
    if (!field) return false;
    auto number = readInteger(field->text);
    if (!number) {
        malformed(out, *field);
        return false;
    }
    value = *number;
    return true;
}

}  // namespace

std::string distributionFileName(int laneCount) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", laneCount);
    return std::string("DISTRIBUCIONS") + digits + ".TXT";
}

std::filesystem::path distributionFilePath(const std::filesystem::path& programFolder, int laneCount) {
    return findCaseInsensitive(programFolder, distributionFileName(laneCount));
}

bool distributionFileExists(const std::filesystem::path& programFolder, int laneCount) {
    if (laneCount < 1 || laneCount > 99) return false;
    return fileExists(distributionFilePath(programFolder, laneCount));
}

int initialSeriesCount(const std::filesystem::path& programFolder, int laneCount) {
    const bool usable = distributionFileExists(programFolder, laneCount) &&
                        checkDistributionFile(programFolder, laneCount).problem == DistributionProblem::None;
    return usable ? 0 : 1;
}

DistributionLookup findDistributionRecord(std::string_view fileText, int fieldSize) {
    DistributionLookup out;
    FieldReader reader(fileText);
    for (;;) {
        DistributionRecord record;
        std::optional<Field> size, places;
        if (!nextNumber(reader, record.fieldSize, out, size)) break;
        if (!nextNumber(reader, record.directPlaces, out, places)) {
            if (!places) malformed(out, *size);  // a field size alone ends the file
            break;
        }
        if (record.directPlaces < 0) {
            record.directPlaces = -record.directPlaces;
            // A note cut off by the end of the file leaves the record without one.
            if (auto note = reader.next()) record.note = cp1252ToUtf8(note->text);
        }
        if (record.fieldSize == fieldSize) {
            out.record = std::move(record);
            break;
        }
    }
    return out;
}

DistributionLookup readDistributionRecord(const std::filesystem::path& programFolder, int laneCount,
                                          int fieldSize) {
    if (!distributionFileExists(programFolder, laneCount)) return {};
    const auto file = distributionFilePath(programFolder, laneCount);
    DistributionLookup unreadable;
    unreadable.problem = DistributionProblem::Unreadable;
    unreadable.file = file.filename().string();
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxFileSize) return unreadable;
    const auto bytes = readFileBytes(file);
    if (!bytes) return unreadable;
    const std::string text(bytes->begin(), bytes->end());
    auto lookup = findDistributionRecord(text, fieldSize);
    lookup.file = unreadable.file;
    return lookup;
}

DistributionLookup checkDistributionFile(const std::filesystem::path& programFolder, int laneCount) {
    constexpr int kNoFieldSize = 1 << 20;  // no record matches: the whole file is read
    return readDistributionRecord(programFolder, laneCount, kNoFieldSize);
}

std::string distributionProblemMessage(int16_t language, const DistributionLookup& lookup) {
    switch (lookup.problem) {
        case DistributionProblem::None:
            return {};
        case DistributionProblem::Unreadable:
            return fileProblemText(language, FileProblemText::DistributionUnreadable, {lookup.file});
        case DistributionProblem::BadLine:
            return fileProblemText(language, FileProblemText::DistributionBadLine,
                                   {lookup.file, std::to_string(lookup.line), lookup.lineText});
    }
    return {};
}

std::optional<RepechageReport> repechageReport(int modality, int series, int laneCount,
                                               const DistributionLookup& lookup) {
    constexpr int kOfficialPractice = 2;
    constexpr int kRace = 4;
    const bool firstRaceSeries = modality == kRace && series == 1;
    if (modality != kOfficialPractice && !firstRaceSeries) return std::nullopt;
    if (!lookup.record) return std::nullopt;
    const int repechages = repechageCount(laneCount, lookup.record->directPlaces);
    if (repechages < 0) return std::nullopt;

    RepechageReport report;
    std::string text = repechages == 0 ? std::string("No hi ha repesques programades.")
                                       : "Hi ha " + std::to_string(repechages) + " repesques programades.";
    if (lookup.record->note) {
        report.box.text = text + "\r" + *lookup.record->note;
        report.box.title = "Reorganització de la cursa";
        report.box.icon = MessageIcon::Exclamation;
    } else {
        report.box.text = text;
        report.box.title = "Informació de la cursa";
        report.box.icon = MessageIcon::Information;
    }
    if (firstRaceSeries) report.cutRow = lookup.record->directPlaces;
    return report;
}

}  // namespace sc
