// The track configuration window driven by the `track` command and by start-up.
#include <array>

#include "config_windows/track_config_form.h"
#include "core/file_error.h"
#include "core/file_io.h"
#include "core/settings_files.h"
#include "core/startup.h"
#include "tools/driver/config_window_driver.h"
#include "tools/driver/script_line.h"
#include "tools/driver/session.h"

namespace sc::driver {

namespace {

void lanes(ConfiguracioPista& w, const std::string& v) { w.CfgNPistes_Change(v); }

void laneChange(ConfiguracioPista& w, const std::string& v) {
    const auto values = splitOn(v, ',');
    if (static_cast<int>(values.size()) > w.laneCount())
        throw ScriptError("change gives " + std::to_string(values.size()) + " lanes for a track of " +
                          std::to_string(w.laneCount()));
    for (std::size_t i = 0; i < values.size(); ++i) w.CfgCanvi_Change(static_cast<int>(i) + 1, values[i]);
}

void minLap(ConfiguracioPista& w, const std::string& v) { w.CfgMinim_Change(v); }

constexpr int kComasLargest = 0;
constexpr int kComasByPartials = 1;

void comas(ConfiguracioPista& w, const std::string& v) {
    w.OpComes_Click(kComasLargest);
    w.CfgParcial_Change(v);
}

// COUNTxSTEP
void partials(ConfiguracioPista& w, const std::string& v) {
    const auto parts = splitOn(v, 'x');
    if (parts.size() != 2) throw ScriptError("partials must be COUNTxSTEP, not '" + v + "'");
    w.OpComes_Click(kComasByPartials);
    w.CfgQuants_Change(parts[0]);
    w.CfgCada_Change(parts[1]);
}

// PORT:FIRSTLANE,... one per connection.
void connections(ConfiguracioPista& w, const std::string& v) {
    const auto rows = splitOn(v, ',');
    if (rows.size() > ConfiguracioPista::kMaxConnections)
        throw ScriptError("connections takes at most " + std::to_string(ConfiguracioPista::kMaxConnections) +
                          " PORT:FIRSTLANE pairs");
    w.CfgNCircuits_Click(static_cast<int>(rows.size()) - 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        const auto pair = splitOn(rows[i], ':');
        if (pair.size() != 2)
            throw ScriptError("each connection must be PORT:FIRSTLANE, not '" + rows[i] + "'");
        const int port = wholeNumberArgument(pair[0], "port", 1, ConfiguracioPista::kPortChoices);
        w.PortNum_Click(k, port - 1);
        w.PrimeraPista_Change(k, pair[1]);
    }
}

constexpr int kSplitNo = 0;
constexpr int kSplitYes = 1;

// SECTORS:SECTORLANE:SPEEDLANE:CM, or off.
void split(ConfiguracioPista& w, const std::string& v) {
    if (v == "off") {
        w.Split_Click(kSplitNo);
        return;
    }
    const auto parts = splitOn(v, ':');
    if (parts.size() != 4)
        throw ScriptError("split must be SECTORS:SECTORLANE:SPEEDLANE:CM or off, not '" + v + "'");
    w.Split_Click(kSplitYes);
    w.CfgNParcials_Change(parts[0]);
    w.CfgPstPar_Change(parts[1]);
    w.CfgPstVel_Change(parts[2]);
    w.CfgDstVel_Change(parts[3]);
}

struct TrackField {
    std::string_view key;
    void (*apply)(ConfiguracioPista&, const std::string&);
};

// In the order a person fills the window: the lane count rebuilds the
// lane-change row and proposes the sector lanes, so it comes first.
constexpr std::array<TrackField, 7> kFields{{
    {"lanes", lanes},
    {"change", laneChange},
    {"minlap", minLap},
    {"comas", comas},
    {"partials", partials},
    {"connections", connections},
    {"split", split},
}};

constexpr std::array<std::string_view, kFields.size()> kKeys{"lanes",    "change",      "minlap", "comas",
                                                             "partials", "connections", "split"};

}  // namespace

std::span<const std::string_view> trackConfigKeys() { return kKeys; }

void acceptTrackConfig(Session& session, const KeyValues& edits) {
    if (edits.contains("comas") && edits.contains("partials"))
        throw ScriptError("comas and partials are two choices of one list: give one of them");
    session.applyLanguage("ConfiguracioPista");
    ConfiguracioPista window(session.state(), session.boxes());
    window.Form_Load();
    // Holding Shift while the window opens is the way to the sector controls.
    if (edits.contains("split")) window.Shift_KeyDown();
    window.Form_Paint();
    for (const auto& field : kFields)
        if (auto it = edits.find(std::string(field.key)); it != edits.end()) field.apply(window, it->second);
    window.Sortir_Click(ConfiguracioPista::kAcceptButton);
    if (!window.Closed) window.Sortir_Click(0);  // not confirmed or not saved: the person leaves
    window.Form_Unload();
}

void openGeneralTrackConfig(Session& session, const KeyValues& edits) {
    RaceState& state = session.state();
    WorkingFolderGuard inFolder(state, state.AppFolder);
    LoadReport report;
    try {
        if (fileExists(state.inWorkingFolder(kTrackFileName)))
            LoadTrackConfig(state, &report);
        else
            state.Track = defaultTrackConfig(state.MaxLanes);  // as the first start proposes
    } catch (const FileError& e) {
        session.boxes().inform(damagedFileMessage(state.Settings.Language, e), "Error",
                               MessageIcon::Critical);
        state.Track = defaultTrackConfig(state.MaxLanes);
    }
    if (!report.clamped.empty())
        session.boxes().inform(clampedValuesMessage(state.Settings.Language, kTrackFileName, report.clamped),
                               "Error", MessageIcon::Exclamation);
    acceptTrackConfig(session, edits);
}

}  // namespace sc::driver
