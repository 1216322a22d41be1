// The program settings window driven by the `settings` command and by start-up.
#include <array>

#include "config_windows/program_settings_form.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "tools/driver/config_window_driver.h"
#include "tools/driver/script_line.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

// A list choice given as its position or as the text of one of its entries.
int listPosition(const ListBox& list, const std::string& value, const std::string& key) {
    for (std::size_t i = 0; i < list.items.size(); ++i)
        if (list.items[i] == value) return static_cast<int>(i);
    return wholeNumberArgument(value, key, 0, static_cast<int>(list.items.size()) - 1);
}

void language(ConfiguracioPrg& w, const std::string& v) {
    w.LlIdioma_Click(listPosition(w.LlIdioma, v, "language"));
}

void model(ConfiguracioPrg& w, const std::string& v) {
    w.Hardware_Click(listPosition(w.Hardware, v, "model"));
}

// 0 never, -1 every heat, n at the end of pass n: the values of the file.
void askComas(ConfiguracioPrg& w, const std::string& v) {
    const int value = wholeNumberArgument(v, "askcomas", -1, 32767);
    w.OpcioComes_Click(value == 0 ? 0 : value == -1 ? 1 : 2);
    if (value > 0) w.MngComes_Change(v);
}

// 0 off; any other text is typed into the seconds field as it is.
void autoScroll(ConfiguracioPrg& w, const std::string& v) {
    if (v == "0") {
        w.OpcioAutoScroll_Click(0);
        return;
    }
    w.OpcioAutoScroll_Click(1);
    w.TempsScroll_Change(v);
}

void colours(ConfiguracioPrg& w, const std::string& v) {
    const auto codes = splitOn(v, ',');
    if (codes.size() > ConfiguracioPrg::kColourItems)
        throw ScriptError("colours takes at most " + std::to_string(ConfiguracioPrg::kColourItems) +
                          " codes");
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int item = static_cast<int>(i) + 1;
        w.ValorColor_Click(item, wholeNumberArgument(codes[i], "colour " + std::to_string(item), 0, 15));
    }
}

struct SettingsField {
    std::string_view key;
    bool inHiddenFrames;  // reached only by holding Shift while the window opens
    void (*apply)(ConfiguracioPrg&, const std::string&);
};

constexpr std::array<SettingsField, 5> kFields{{
    {"language", false, language},
    {"model", false, model},
    {"askcomas", true, askComas},
    {"autoscroll", true, autoScroll},
    {"colours", false, colours},
}};

constexpr std::array<std::string_view, kFields.size()> kKeys{"language", "model", "askcomas", "autoscroll",
                                                             "colours"};

bool needsHiddenFrames(const KeyValues& edits) {
    for (const auto& field : kFields)
        if (field.inHiddenFrames && edits.contains(std::string(field.key))) return true;
    return false;
}

}  // namespace

std::span<const std::string_view> programSettingsKeys() { return kKeys; }

void acceptProgramSettings(Session& session, const KeyValues& edits) {
    session.applyLanguage("ConfiguracioPrg");
    ConfiguracioPrg window(session.state(), session.boxes());
    window.Form_Load();
    if (needsHiddenFrames(edits)) window.Shift_KeyDown();
    window.Form_Paint();
    try {
        for (const auto& field : kFields)
            if (auto it = edits.find(std::string(field.key)); it != edits.end())
                field.apply(window, it->second);
    } catch (...) {
        window.Form_Unload();  // the previewed language does not stay
        throw;
    }
    window.Sortir_Click(ConfiguracioPrg::kAcceptButton);
    if (!window.Closed) window.Sortir_Click(0);  // the save failed: the person leaves
    window.Form_Unload();
}

void openProgramSettings(Session& session, const KeyValues& edits) {
    RaceState& state = session.state();
    if (fileExists(state.inAppFolder(kSettingsFileName))) {
        LoadReport report;
        try {
            LoadProgramSettings(state, &report);
        } catch (const FileError& e) {
            session.boxes().inform(damagedFileMessage(state.Settings.Language, e), "Error",
                                   MessageIcon::Critical);
            state.Settings = defaultProgramSettings();
        }
        if (!report.clamped.empty())
            session.boxes().inform(
                clampedValuesMessage(state.Settings.Language, kSettingsFileName, report.clamped), "Error",
                MessageIcon::Exclamation);
    } else if (!session.running()) {
        state.Settings = defaultProgramSettings();
    }
    acceptProgramSettings(session, edits);
}

}  // namespace sc::driver
