#include "localisation/window_post_processing.h"

#include <algorithm>
#include <array>
#include <optional>

#include "localisation/apply_language.h"
#include "localisation/language_tables.h"
#include "localisation/text_case.h"

namespace sc {
namespace {

constexpr std::string_view kMainWindow = "Portada";

struct CaptionSource {
    std::string_view window;  // Portada, or the race manager for the archive modes of Exportar
    std::string_view control;
    int index;
};

// The menu entry (or race-manager button) that opens each child window.
std::optional<CaptionSource> titleSource(const RaceState& state, std::string_view window) {
    if (window == "ConfiguracioPrg") return CaptionSource{kMainWindow, "MnuCfg", 0};
    if (window == "ConfiguracioPista")
        return CaptionSource{kMainWindow, "MnuCfg", workingInAppFolder(state) ? 1 : 2};
    if (window == "NovaProva") return CaptionSource{kMainWindow, "MnuNovaProva", -1};
    if (window == "GestorProves") return CaptionSource{kMainWindow, "MnuGestor", -1};
    if (window == "Inscrits")
        return windowTextMode(state, window) == TextMode::EntrantsList
                   ? CaptionSource{kMainWindow, "MnuIns", 0}
                   : CaptionSource{kMainWindow, "MnuIns100", -1};
    if (window == "Penalitzacions") return CaptionSource{kMainWindow, "MnuPen", 4};
    if (window == "Resultats") return CaptionSource{kMainWindow, "MnuAltresRtats", -1};
    if (window == "LlistarVoltes") return CaptionSource{kMainWindow, "MnuVltaaVlta", -1};
    if (window == "Exportar") {
        // The race manager opens it to archive (mode 5) and restore (mode 7) with its buttons Sortir(5),
        // Sortir(7).
        if (state.ModeCorregir == 5 || state.ModeCorregir == 7)
            return CaptionSource{"GestorProves", "Sortir", state.ModeCorregir};
        return CaptionSource{kMainWindow, "MnuExportar", -1};
    }
    return std::nullopt;
}

// Windows whose Sortir(1) saves.
bool hasSaveButton(std::string_view window) {
    constexpr std::array<std::string_view, 6> windows = {"ConfiguracioPrg", "ConfiguracioPista", "NovaProva",
                                                         "Inscrits",        "Penalitzacions",    "Corregir"};
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// A caption in the current language; as the main window shows it when the
// language has no table (design captions). After a language change the main
// window keeps its captions until it loads again, its children do not.
std::optional<std::string> shownCaption(const RaceState& state, const WindowTexts* shown,
                                        const CaptionSource& source) {
    if (isTableLanguage(state.Settings.Language))
        if (auto text = tableText(state.Settings.Language, source.window, source.control, source.index))
            return text;
    if (shown != nullptr && source.window == kMainWindow) {
        const ControlTexts* control = shown->find(std::string(source.control), source.index);
        if (control != nullptr && control->caption) return control->caption;
    }
    return tableText(state.Settings.Language, source.window, source.control, source.index);
}

void setCaption(WindowTexts& window, const std::string& control, int index,
                const std::optional<std::string>& text) {
    ControlTexts* texts = window.find(control, index);
    if (texts != nullptr && text) texts->caption = *text;
}

std::string saveCaption(const RaceState& state) {
    if (!state.Msg[0][9].empty()) return state.Msg[0][9];
    return tableMessage(state.Settings.Language, kMainWindow, 0, 9).value_or("");
}

void finishChildWindow(const RaceState& state, WindowTexts& window) {
    // The settings window previews a language the main window does not show yet.
    const WindowTexts* main = window.name == "ConfiguracioPrg" ? nullptr : window.mainWindow;
    if (auto source = titleSource(state, window.name)) {
        if (auto caption = shownCaption(state, main, *source)) window.title = withoutEllipsis(*caption);
    }
    const auto close = shownCaption(state, main, {kMainWindow, "Menu", 0});
    setCaption(window, "Sortir", -1, close);
    setCaption(window, "Sortir", 0, close);
    if (!hasSaveButton(window.name)) return;
    setCaption(window, "Sortir", 1,
               main != nullptr ? saveCaption(state)
                               : tableMessage(state.Settings.Language, kMainWindow, 0, 9).value_or(""));
}

struct ToolButton {
    std::string_view button;
    int buttonIndex;  // kEveryIndex: every element, paired with the menu entry of the same index
    std::string_view menu;
    int menuIndex;
};

constexpr ToolButton kToolButtons[] = {
    {"BotoIns", 100, "MnuIns100", -1},     {"BotoIns", -1, "MnuIns100", -1},
    {"BotoPrg", kEveryIndex, "MnuPrg", 0}, {"BotoNou", -1, "MnuNovaSerie", -1},
    {"BotoCls", kEveryIndex, "MnuCls", 0}, {"BotoCfg", -1, "MnuCfg", 0},
    {"BotoSortir", -1, "MnuSortir", -1},
};

void copyMenuCaption(const RaceState& state, WindowTexts& window, std::string_view button, int buttonIndex,
                     std::string_view menu, int menuIndex) {
    ControlTexts* target = window.find(std::string(button), buttonIndex);
    if (target == nullptr || window.find(std::string(menu), menuIndex) == nullptr) return;
    if (auto caption = shownCaption(state, &window, {kMainWindow, menu, menuIndex}))
        target->caption = *caption;
}

void finishMainWindow(const RaceState& state, WindowTexts& window) {
    for (const ToolButton& pair : kToolButtons) {
        if (pair.buttonIndex != kEveryIndex) {
            copyMenuCaption(state, window, pair.button, pair.buttonIndex, pair.menu, pair.menuIndex);
            continue;
        }
        for (int index : window.indexesOf(std::string(pair.button)))
            copyMenuCaption(state, window, pair.button, index, pair.menu, index);
    }
    // Marc(0) is the race frame; the modality frames 1..4 show their menu caption in capitals.
    for (int index : window.indexesOf("Marc")) {
        if (index < 1) continue;
        if (auto caption = shownCaption(state, &window, {kMainWindow, "MnuPrg", index}))
            window.controls[{"Marc", index}].caption = upperCaseCaption(*caption);
    }
}

}  // namespace

void postProcessWindowTexts(const RaceState& state, WindowTexts& window) {
    if (window.name == kMainWindow)
        finishMainWindow(state, window);
    else
        finishChildWindow(state, window);
}

}  // namespace sc
