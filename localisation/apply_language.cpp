#include "localisation/apply_language.h"

#include <sstream>

#include "localisation/name_lists.h"
#include "localisation/window_post_processing.h"

namespace sc {
namespace {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
        lines.emplace_back(text.substr(start, end - start));
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string versionText(const std::vector<int>& version) {
    std::ostringstream text;
    for (size_t i = 0; i < version.size(); ++i) text << (i ? "." : "") << version[i];
    return text.str();
}

void setText(ControlTexts& control, TextKind kind, std::string_view text) {
    switch (kind) {
        case TextKind::Caption:
            control.caption = std::string(text);
            break;
        case TextKind::ToolTip:
            control.toolTip = std::string(text);
            break;
        case TextKind::ListItems:
            control.items = splitLines(text);
            break;
        case TextKind::GridFormat:
            control.gridFormat = std::string(text);
            break;
        default:
            break;
    }
}

void applyEntry(const CaptionEntry& entry, int16_t language, WindowTexts& window) {
    const std::string_view text = entry.in(language);
    if (entry.kind == TextKind::Title) {
        window.title = text;
    } else if (entry.kind == TextKind::AboutTitlePrefix) {
        window.title = std::string(text) + window.programName;
    } else if (entry.kind == TextKind::AboutVersionWord) {
        if (auto* control = window.find(std::string(entry.control)))
            control->caption = window.programName + std::string(text) + versionText(window.version);
    } else if (entry.index == kEveryIndex) {
        for (int index : window.indexesOf(std::string(entry.control)))
            setText(window.controls[{std::string(entry.control), index}], entry.kind, text);
    } else if (auto* control = window.find(std::string(entry.control), entry.index)) {
        setText(*control, entry.kind, text);
    }
}

void applyCaptionTable(const RaceState& state, WindowTexts& window) {
    const int16_t language = state.Settings.Language;
    const TextMode mode = windowTextMode(state, window.name);
    for (const CaptionEntry& entry : captionTable()) {
        if (entry.window != window.name) continue;
        if (entry.mode != TextMode::Always && entry.mode != mode) continue;
        applyEntry(entry, language, window);
    }
}

void setItems(WindowTexts& window, const std::string& control, int index,
              const std::vector<std::string>& items) {
    if (auto* texts = window.find(control, index)) texts->items = items;
}

// The settings window shows the name lists in the language just applied.
void fillNameLists(const RaceState& state, WindowTexts& window) {
    const NameLists lists = nameListsFor(state.Settings.Language);
    setItems(window, "LlIdioma", -1, lists.LlistaIdiomes);
    setItems(window, "Hardware", -1, lists.LlistaComptavoltes);
    for (int index : window.indexesOf("ValorColor"))
        setItems(window, "ValorColor", index, lists.LlistaColors);
}

}  // namespace

bool workingInAppFolder(const RaceState& state) {
    return state.WorkingFolder.empty() ||
           state.WorkingFolder.lexically_normal() == state.AppFolder.lexically_normal();
}

TextMode windowTextMode(const RaceState& state, std::string_view window) {
    if (window == "Inscrits")
        return state.CurrentModality == 0 && !workingInAppFolder(state) ? TextMode::EntrantsList
                                                                        : TextMode::ParticipantsList;
    if (window == "Corregir")
        return state.ModeCorregir >= 0 ? TextMode::CorrectingData : TextMode::EnteringComas;
    if (window == "Exportar") return state.ModeCorregir == 7 ? TextMode::ReadingFile : TextMode::SavingFile;
    return TextMode::Always;
}

void writeWindowMessages(RaceState& state, std::string_view window, int16_t language) {
    for (const MessageEntry& entry : messageTable()) {
        if (entry.window != window) continue;
        state.Msg[entry.section][entry.item] = entry.in(language);
    }
}

void AplicarIdioma(RaceState& state, WindowTexts& window) {
    if (isTableLanguage(state.Settings.Language)) {
        applyCaptionTable(state, window);
        writeWindowMessages(state, window.name, state.Settings.Language);
        if (window.name == "ConfiguracioPrg") fillNameLists(state, window);
    }
    postProcessWindowTexts(state, window);
}

std::string helpFileName(int16_t language) { return language == kSpanish ? "Ayuda.chm" : "Ajuda.chm"; }

std::filesystem::path helpFilePath(const RaceState& state) {
    return state.AppFolder / helpFileName(state.Settings.Language);
}

}  // namespace sc
