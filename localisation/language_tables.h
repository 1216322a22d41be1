#pragma once
// The Catalan and Spanish texts of every window and of the message table.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sc {

inline constexpr int16_t kCatalan = 0;
inline constexpr int16_t kSpanish = 1;
// Index of a table entry that applies to every element of a control array.
inline constexpr int kEveryIndex = -2;

enum class TextKind {
    Caption,
    ToolTip,
    ListItems,         // entries separated by '\n'
    GridFormat,        // grid header format string
    Title,             // window title
    AboutTitlePrefix,  // about window: text before the program's name in the title
    AboutVersionWord,  // about window: text between the program's name and the version
};

// Windows that show different texts by the way they were opened.
enum class TextMode {
    Always,
    EntrantsList,      // Inscrits edits a race's entrants
    ParticipantsList,  // Inscrits edits the roster or a series' participants
    CorrectingData,    // Corregir corrects a heat
    EnteringComas,     // Corregir asks for the comas
    SavingFile,        // Exportar writes a file
    ReadingFile,       // Exportar reads an archive
};

struct CaptionEntry {
    std::string_view window;
    std::string_view control;  // empty for the window itself
    int index;                 // -1 single control, kEveryIndex every element
    TextKind kind;
    TextMode mode;
    std::string_view catalan;
    std::string_view spanish;

    std::string_view in(int16_t language) const { return language == kSpanish ? spanish : catalan; }
};

// One message-table entry written when the named window loads.
struct MessageEntry {
    std::string_view window;
    int section;
    int item;
    std::string_view catalan;
    std::string_view spanish;

    std::string_view in(int16_t language) const { return language == kSpanish ? spanish : catalan; }
};

bool isTableLanguage(int16_t language);

std::span<const CaptionEntry> captionTable();
std::span<const MessageEntry> messageTable();

// The text a table gives a control; Catalan (the design language) for a language without a table.
std::optional<std::string> tableText(int16_t language, std::string_view window, std::string_view control,
                                     int index, TextKind kind = TextKind::Caption,
                                     TextMode mode = TextMode::Always);

// The message-table text a window writes at (section, item), if it writes one.
std::optional<std::string> tableMessage(int16_t language, std::string_view window, int section, int item);

}  // namespace sc
