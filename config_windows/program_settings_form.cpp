#include "config_windows/program_settings_form.h"

#include <cmath>

#include "config_windows/config_texts.h"
#include "config_windows/field_number.h"
#include "core/byte_io.h"
#include "core/file_fault_text.h"
#include "core/number_format.h"
#include "core/settings_files.h"
#include "localisation/apply_language.h"

namespace sc {
namespace {

constexpr int kOptionNever = 0;
constexpr int kOptionEveryHeat = 1;
constexpr int kOptionAtPass = 2;
constexpr int kScrollOff = 0;
constexpr int kScrollEvery = 1;

int positionIn(const ListBox& list, int value) {
    return value >= 0 && value < static_cast<int>(list.items.size()) ? value : -1;
}

int16_t typedWholeNumber(const std::string& text) { return integerPart(std::fabs(ReadNumber(text))); }

}  // namespace

ConfiguracioPrg::ConfiguracioPrg(RaceState& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

void ConfiguracioPrg::Form_Load() {
    Opening = true;
    Closed = Saved = false;
    const ProgramSettings& s = state_.Settings;
    languageInForce_ = s.Language;
    fillLists();

    LlIdioma.index = positionIn(LlIdioma, s.Language);
    Hardware.index = positionIn(Hardware, s.LapCounterModel);
    for (int i = 1; i <= kColourItems; ++i) {
        const int code = i < static_cast<int>(s.Colours.size()) ? s.Colours[i] : 0;
        ValorColor[i].index = positionIn(ValorColor[i], code);
    }

    if (s.AskComas == -1) {
        OpcioComes.value = kOptionEveryHeat;
    } else if (s.AskComas > 0) {
        OpcioComes.value = kOptionAtPass;
        MngComes.text = std::to_string(s.AskComas);
    } else {
        OpcioComes.value = kOptionNever;
    }
    OpcioAutoScroll.value = s.AutoScrollSeconds == 0 ? kScrollOff : kScrollEvery;
    if (s.AutoScrollSeconds != 0) TempsScroll.text = std::to_string(s.AutoScrollSeconds);

    FramesEnabled = false;
    Enlarged = false;
    applyOptionStates();
}

void ConfiguracioPrg::Form_Paint() { Opening = false; }

void ConfiguracioPrg::MesOpcions_Click() {
    Enlarged = !Enlarged;
    FramesEnabled = Enlarged;
}

void ConfiguracioPrg::Shift_KeyDown() {
    if (!Opening) return;
    Enlarged = true;
    FramesEnabled = true;
}

void ConfiguracioPrg::LlIdioma_Click(int position) {
    if (positionIn(LlIdioma, position) < 0) return;
    LlIdioma.index = position;
    state_.Settings.Language = static_cast<int16_t>(position);
    fillLists();  // the preview: every text of the window in the chosen language
}

void ConfiguracioPrg::Hardware_Click(int position) {
    if (positionIn(Hardware, position) >= 0) Hardware.index = position;
}

void ConfiguracioPrg::ValorColor_Click(int item, int position) {
    if (item < 1 || item > kColourItems) return;
    if (positionIn(ValorColor[item], position) >= 0) ValorColor[item].index = position;
}

void ConfiguracioPrg::OpcioComes_Click(int option) {
    if (option < kOptionNever || option > kOptionAtPass) return;
    OpcioComes.value = option;
    applyOptionStates();
}

void ConfiguracioPrg::OpcioAutoScroll_Click(int option) {
    if (option < kScrollOff || option > kScrollEvery) return;
    OpcioAutoScroll.value = option;
    applyOptionStates();
}

void ConfiguracioPrg::MngComes_Change(const std::string& typed) { MngComes.text = wholeAbsoluteText(typed); }

void ConfiguracioPrg::TempsScroll_Change(const std::string& typed) {
    TempsScroll.text = wholeAbsoluteText(typed);
}

void ConfiguracioPrg::Sortir_Click(int index) {
    if (index == kAcceptButton) {
        Gravar_Click();
    } else {
        Closed = true;
    }
}

void ConfiguracioPrg::Gravar_Click() {
    const ProgramSettings settings = settingsFromWindow();
    const auto file = state_.inAppFolder(kSettingsFileName);
    if (const WriteResult written = saveProgramSettings(settings, file); !written) {
        // The window stays open: the user can retry or leave without saving.
        const int language = state_.Settings.Language;
        prompter_.ask(
            {configText(language, ConfigText::SaveFailed) + FileWriteText(language, written.error()),
             configText(language, ConfigText::ErrorTitle),
             {Button::Ok},
             Button::Ok,
             MessageIcon::Critical});
        return;
    }
    state_.Settings = settings;
    // The main window keeps its captions until it loads again, but what it
    // asks and reports is said in the language now chosen.
    if (settings.Language != languageInForce_ && isTableLanguage(settings.Language))
        writeWindowMessages(state_, "Portada", settings.Language);
    languageInForce_ = settings.Language;
    Saved = true;
    Closed = true;
}

void ConfiguracioPrg::Form_Unload() { state_.Settings.Language = static_cast<int16_t>(languageInForce_); }

void ConfiguracioPrg::fillLists() {
    const int language = state_.Settings.Language;
    Caption = configText(language, ConfigText::ProgramTitle);
    LlIdioma.items = languageNames(language);
    Hardware.items = lapCounterNames(language);
    for (int i = 1; i <= kColourItems; ++i) ValorColor[i].items = colourNames(language);
}

void ConfiguracioPrg::applyOptionStates() {
    MngComes.enabled = OpcioComes.value == kOptionAtPass;
    TempsScroll.enabled = OpcioAutoScroll.value == kScrollEvery;
}

ProgramSettings ConfiguracioPrg::settingsFromWindow() const {
    ProgramSettings s = state_.Settings;  // SettingsVersion and anything not shown stay as they are
    if (LlIdioma.index >= 0) s.Language = static_cast<int16_t>(LlIdioma.index);
    if (Hardware.index >= 0) s.LapCounterModel = static_cast<int16_t>(Hardware.index);
    s.ColourCount = kColourItems;
    s.Colours.resize(kColourItems + 1, 0);
    for (int i = 1; i <= kColourItems; ++i)
        if (ValorColor[i].index >= 0) s.Colours[i] = static_cast<int16_t>(ValorColor[i].index);

    switch (OpcioComes.value) {
        case kOptionEveryHeat:
            s.AskComas = -1;
            break;
        case kOptionAtPass:
            s.AskComas = typedWholeNumber(MngComes.text);
            break;
        default:
            s.AskComas = 0;
            break;
    }
    s.AutoScrollSeconds = OpcioAutoScroll.value == kScrollEvery ? typedWholeNumber(TempsScroll.text) : 0;
    return s;
}

}  // namespace sc
