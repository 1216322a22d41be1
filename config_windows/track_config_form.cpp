#include "config_windows/track_config_form.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "config_windows/config_texts.h"
#include "config_windows/field_number.h"
#include "core/byte_io.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/race_store.h"
#include "core/settings_files.h"

namespace sc {
namespace fs = std::filesystem;
namespace {

constexpr int kComasLargest = 0;
constexpr int kComasByPartials = 1;
constexpr int kSplitYes = 1;
constexpr int16_t kIntegerMax = std::numeric_limits<int16_t>::max();

std::string text(int value) { return std::to_string(value); }
double number(const TextBox& box) { return ReadNumber(box.text); }

bool validPosition(const ListBox& list, int position) {
    return position >= 0 && position < static_cast<int>(list.items.size());
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    auto plain = [](const fs::path& p) {
        std::string s = p.lexically_normal().string();
        while (s.size() > 1 && (s.back() == '/' || s.back() == '\\')) s.pop_back();
        return s;
    };
    return plain(a) == plain(b);
}

// The minimum lap time a typed text stands for, with the text the field shows.
std::pair<double, std::string> minLapTime(const std::string& typed) {
    const double value = ReadNumber(typed);
    if (value < 0) return {0.0, "00.00"};
    if (value > kMaxMinLapTime) return {kMaxMinLapTime, "99.99"};
    const std::string shown = FormatNumber(value, "0.00");
    return {ReadNumber(shown), shown};
}

int16_t partialCountOf(const TextBox& box) { return clampedWhole(number(box), 2, 100); }
int16_t partialStepOf(const TextBox& box) { return clampedWhole(number(box), 1, 999); }
int16_t largestPartialOf(const TextBox& box) { return clampedWhole(number(box), 0, 9999); }
int16_t distanceOf(const std::string& typed) {
    const int16_t cm = integerPart(std::fabs(ReadNumber(typed)));
    return cm == 0 ? kDefaultSpeedTrapDistance : cm;  // a zero distance would make every speed infinite
}

}  // namespace

ConfiguracioPista::ConfiguracioPista(RaceState& state, Prompter& prompter)
    : state_(state), prompter_(prompter) {}

// ---- opening ----

void ConfiguracioPista::Form_Load() {
    Opening = true;
    Closed = Saved = false;
    fillLists();

    TrackConfig& t = state_.Track;
    // A state that no window could have produced is brought inside the ranges first.
    const bool lanesOutside = t.LaneCount < 1 || t.LaneCount > state_.MaxLanes;
    const bool connectionsOutside = t.ConnectionCount < 1 || t.ConnectionCount > kMaxConnections;
    if (lanesOutside) t.LaneCount = std::clamp<int16_t>(t.LaneCount, 1, state_.MaxLanes);
    if (connectionsOutside) t.ConnectionCount = std::clamp<int16_t>(t.ConnectionCount, 1, kMaxConnections);
    if (lanesOutside || connectionsOutside || t.LaneChange.size() <= static_cast<std::size_t>(t.LaneCount) ||
        t.ConnectionPort.size() <= static_cast<std::size_t>(t.ConnectionCount) ||
        t.ConnectionFirstLane.size() <= static_cast<std::size_t>(t.ConnectionCount))
        resizeTrackWorkingArrays(t);

    showValues();

    RaceCopy = !sameFolder(state_.WorkingFolder, state_.AppFolder);
    Caption = configText(language(), RaceCopy ? ConfigText::TrackTitleRace : ConfigText::TrackTitleGeneral);
    if (RaceCopy) {
        try {
            Caption += ": " + readRaceHeader(state_.inWorkingFolder(kRaceHeaderFileName)).name;
        } catch (const std::exception&) {
            // no readable race header: the caption goes without the name
        }
        if (heatsRunInRace()) {
            MarcAvis = true;
            CfgNPistes.enabled = false;
            setLaneRowEnabled(false);
        }
        state_.CurrentModality = 0;
    }
}

void ConfiguracioPista::fillLists() {
    CfgNCircuits.items.clear();
    for (int i = 1; i <= kMaxConnections; ++i) CfgNCircuits.items.push_back(text(i));
    for (int k = 1; k <= kMaxConnections; ++k) {
        PortNum[k].items.clear();
        for (int p = 1; p <= kPortChoices; ++p) PortNum[k].items.push_back("COM" + text(p));
    }
    OpComes.items = comaDefinitionNames(language());
    Split.items = yesNoNames(language());
}

void ConfiguracioPista::showValues() {
    const TrackConfig& t = state_.Track;
    RangPistes = "1 - " + FormatNumber(state_.MaxLanes, "#");
    CfgNPistes = TextBox{text(t.LaneCount)};
    MarcAvis = false;
    laneRowEnabled_ = true;
    rebuildLaneRow();
    CfgMinim.text = FormatNumber(t.MinLapTime, "0.00");

    const bool byPartials = static_cast<int>(t.PartialCount) * t.PartialStep >= 1;
    OpComes.index = byPartials ? kComasByPartials : kComasLargest;
    CfgParcial.text = text(t.ComaDivisions);
    CfgQuants.text = text(t.PartialCount);
    CfgCada.text = text(t.PartialStep);
    applyComaOption();

    CfgNCircuits.index = t.ConnectionCount - 1;
    for (int k = 1; k <= kMaxConnections; ++k) {
        const bool used = k <= t.ConnectionCount;
        const int port = used ? t.ConnectionPort[k] : k;
        PortNum[k].index = port >= 1 && port <= kPortChoices ? port - 1 : -1;
        PrimeraPista[k].text = used ? text(t.ConnectionFirstLane[k]) : "";
    }
    showConnectionRows();

    Split.index = t.SplitEnabled == -1 ? kSplitYes : 0;
    Split.visible = false;  // revealed by Shift while the window opens
    CfgNParcials.text = text(t.SectorCount);
    CfgPstPar.text = text(t.SectorLane);
    CfgPstVel.text = text(t.SpeedTrapLane);
    CfgDstVel.text = text(t.SpeedTrapDistance);
    applySplitOption();
}

bool ConfiguracioPista::heatsRunInRace() const {
    auto hasRun = [this](int modality, int series) {
        const fs::path file = state_.inWorkingFolder(seriesBaseName(modality, series) + ".PAR");
        if (!fileExists(file)) return false;
        try {
            return readParticipantList(file).heats > 0;
        } catch (const std::exception&) {
            return false;  // a damaged list is reported where it is opened
        }
    };
    if (hasRun(2, 1) || hasRun(3, 1)) return true;
    const int raceSeries = state_.SeriesCount.size() > 4 ? state_.SeriesCount[4] : 0;
    for (int s = 1; s <= raceSeries; ++s)
        if (hasRun(4, s)) return true;
    return false;
}

void ConfiguracioPista::Form_Paint() { Opening = false; }

void ConfiguracioPista::MesOpcions_Click() { Split.visible = !Split.visible; }

void ConfiguracioPista::Shift_KeyDown() {
    if (Opening) Split.visible = true;
}

void ConfiguracioPista::Avis_Click() {
    MarcAvis = false;
    setLaneRowEnabled(true);
}

// ---- lanes ----

void ConfiguracioPista::CfgNPistes_Change(const std::string& typed) {
    TrackConfig& t = state_.Track;
    const int16_t lanes = clampedWhole(ReadNumber(typed), 1, state_.MaxLanes);
    CfgNPistes.text = text(lanes);
    const bool changed = lanes != t.LaneCount;
    t.LaneCount = lanes;
    CfgPstVel.text = text(lanes);
    CfgPstPar.text = text(lanes - 1);
    if (!changed) return;
    if (!Opening) t.LaneChange.clear();  // re-created: every lane takes its own number
    resizeTrackWorkingArrays(t);
    rebuildLaneRow();
}

void ConfiguracioPista::rebuildLaneRow() {
    const TrackConfig& t = state_.Track;
    CfgCanvi.assign(static_cast<std::size_t>(t.LaneCount) + 1, TextBox{});
    for (int i = 1; i <= t.LaneCount; ++i) {
        CfgCanvi[i].text = text(t.LaneChange[i]);
        CfgCanvi[i].enabled = laneRowEnabled_;
    }
}

void ConfiguracioPista::setLaneRowEnabled(bool enabled) {
    laneRowEnabled_ = enabled;
    for (auto& box : CfgCanvi) box.enabled = enabled;
}

void ConfiguracioPista::CfgCanvi_Change(int lane, const std::string& typed) {
    if (lane < 1 || lane > laneCount()) return;
    TrackConfig& t = state_.Track;
    const int16_t value = clampedRounded(ReadNumber(typed), 1, state_.MaxLanes);
    const int16_t old = t.LaneChange[lane];
    // The row stays a permutation: the box that held the value takes the old one.
    for (int j = 1; j <= laneCount(); ++j) {
        if (j != lane && t.LaneChange[j] == value) {
            t.LaneChange[j] = old;
            CfgCanvi[j].text = text(old);
        }
    }
    t.LaneChange[lane] = value;
    CfgCanvi[lane].text = text(value);
    resizeTrackWorkingArrays(t);  // LaneChange(0) and the per-position arrays follow the row
}

// ---- times and comas ----

void ConfiguracioPista::CfgMinim_Change(const std::string& typed) {
    const auto [value, shown] = minLapTime(typed);
    CfgMinim.text = shown;
    state_.Track.MinLapTime = static_cast<float>(value);
}

void ConfiguracioPista::OpComes_Click(int position) {
    if (!validPosition(OpComes, position)) return;
    OpComes.index = position;
    // The fields that become active show the values the save will use.
    if (position == kComasByPartials) {
        CfgQuants_Change(CfgQuants.text);
        CfgCada_Change(CfgCada.text);
    } else {
        CfgParcial_Change(CfgParcial.text);
    }
    applyComaOption();
}

void ConfiguracioPista::applyComaOption() {
    const bool byPartials = OpComes.index == kComasByPartials;
    CfgParcial.enabled = !byPartials;
    CfgQuants.enabled = byPartials;
    CfgCada.enabled = byPartials;
}

void ConfiguracioPista::CfgParcial_Change(const std::string& typed) {
    CfgParcial.text = text(largestPartialOf(TextBox{typed}));
}

void ConfiguracioPista::CfgQuants_Change(const std::string& typed) {
    const int16_t count = partialCountOf(TextBox{typed});
    CfgQuants.text = text(count);
    state_.Track.PartialCount = count;
}

void ConfiguracioPista::CfgCada_Change(const std::string& typed) {
    const int16_t step = partialStepOf(TextBox{typed});
    CfgCada.text = text(step);
    state_.Track.PartialStep = step;
}

// ---- connections ----

void ConfiguracioPista::CfgNCircuits_Click(int position) {
    if (!validPosition(CfgNCircuits, position)) return;
    CfgNCircuits.index = position;
    const int count = connectionCount();
    const int lanes = laneCount();
    for (int k = 1; k <= count; ++k) {
        PortNum[k].index = k - 1;
        // The lanes split evenly over the connections.
        PrimeraPista[k].text = FormatNumber(static_cast<double>(k - 1) * lanes / count + 1, "0");
    }
    showConnectionRows();
    TrackConfig& t = state_.Track;
    syncConnections(t);
    resizeTrackWorkingArrays(t);
}

void ConfiguracioPista::showConnectionRows() {
    for (int k = 1; k <= kMaxConnections; ++k) Circuit[k] = k <= connectionCount();
}

void ConfiguracioPista::PortNum_Click(int connection, int position) {
    if (connection < 1 || connection > kMaxConnections || !validPosition(PortNum[connection], position))
        return;
    const int previous = PortNum[connection].index;
    // Two connections never share a port: the one that had it takes this one's old port.
    for (int j = 1; j <= kMaxConnections; ++j)
        if (j != connection && PortNum[j].index == position) PortNum[j].index = previous;
    PortNum[connection].index = position;
}

void ConfiguracioPista::PrimeraPista_Change(int connection, const std::string& typed) {
    if (connection < 1 || connection > kMaxConnections) return;
    PrimeraPista[connection].text = wholeAbsoluteText(typed);
    keepFirstLanesIncreasing(connection);
}

void ConfiguracioPista::keepFirstLanesIncreasing(int from) {
    for (int k = std::max(from, 2); k <= connectionCount(); ++k) {
        const int previous = integerPart(number(PrimeraPista[k - 1]));
        if (integerPart(number(PrimeraPista[k])) <= previous)
            PrimeraPista[k].text = text(std::min<int>(previous + 1, kIntegerMax));
    }
}

void ConfiguracioPista::syncConnections(TrackConfig& t) const {
    const int count = connectionCount();
    const std::vector<int16_t> storedPorts = t.ConnectionPort;
    t.ConnectionCount = static_cast<int16_t>(count);
    t.ConnectionPort.resize(static_cast<std::size_t>(count) + 1, 0);
    t.ConnectionFirstLane.resize(static_cast<std::size_t>(count) + 1, 0);
    for (int k = 1; k <= count; ++k) {
        // A stored port the list cannot show is kept as it is.
        const bool shown = PortNum[k].index >= 0;
        const bool stored = static_cast<std::size_t>(k) < storedPorts.size() && storedPorts[k] > 0;
        t.ConnectionPort[k] = static_cast<int16_t>(shown    ? PortNum[k].index + 1
                                                   : stored ? storedPorts[k]
                                                            : k);
        t.ConnectionFirstLane[k] = integerPart(std::fabs(number(PrimeraPista[k])));
    }
}

void ConfiguracioPista::setPortProbe(PortProbe probe) {
    probe_ = std::move(probe);
    TestComEnabled = static_cast<bool>(probe_);
}

void ConfiguracioPista::TestCom_Click() {
    if (!probe_) return;
    const std::string none = configText(language(), ConfigText::NoPortFound);
    std::string found = none;
    for (int n = 1; n <= static_cast<int>(PortNum[1].items.size()); ++n) {
        if (!probe_(n)) continue;
        if (found == none)
            found = configText(language(), ConfigText::PortsFound) + " COM" + text(n);
        else
            found += ", COM" + text(n);
    }
    prompter_.ask({found,
                   configText(language(), ConfigText::PortSearchTitle),
                   {Button::Ok},
                   Button::Ok,
                   MessageIcon::Information});
}

// ---- SuperPole sectors ----

void ConfiguracioPista::Split_Click(int position) {
    if (!validPosition(Split, position)) return;
    Split.index = position;
    applySplitOption();
}

void ConfiguracioPista::applySplitOption() {
    const bool on = Split.index == kSplitYes;
    for (TextBox* box : {&CfgNParcials, &CfgPstPar, &CfgPstVel, &CfgDstVel}) box->enabled = on;
}

void ConfiguracioPista::CfgNParcials_Change(const std::string& typed) {
    CfgNParcials.text = wholeAbsoluteText(typed);
}

void ConfiguracioPista::CfgPstPar_Change(const std::string& typed) {
    const int16_t lane = clampedRounded(ReadNumber(typed), 1, state_.Track.LaneCount);
    CfgPstPar.text = text(lane);
    state_.Track.SectorLane = lane;
}

void ConfiguracioPista::CfgPstVel_Change(const std::string& typed) {
    const int16_t lane = clampedRounded(ReadNumber(typed), 1, state_.Track.LaneCount);
    CfgPstVel.text = text(lane);
    state_.Track.SpeedTrapLane = lane;
}

void ConfiguracioPista::CfgDstVel_Change(const std::string& typed) {
    const int16_t cm = distanceOf(typed);
    CfgDstVel.text = text(cm);
    state_.Track.SpeedTrapDistance = cm;
}

void ConfiguracioPista::readSectorFields(TrackConfig& t) const {
    if (Split.index != kSplitYes) {
        t.SplitEnabled = 0;
        return;
    }
    t.SplitEnabled = -1;
    t.SectorCount = integerPart(std::fabs(number(CfgNParcials)));
    t.SectorLane = clampedRounded(number(CfgPstPar), 1, t.LaneCount);
    t.SpeedTrapLane = clampedRounded(number(CfgPstVel), 1, t.LaneCount);
    t.SpeedTrapDistance = distanceOf(CfgDstVel.text);
}

// ---- closing ----

bool ConfiguracioPista::comaDivisionsFromWindow(TrackConfig& t) {
    if (OpComes.index != kComasByPartials) {
        t.ComaDivisions = largestPartialOf(CfgParcial);
        t.PartialCount = 0;  // comas defined directly carry no partials
        t.PartialStep = 0;
        return true;
    }
    const int16_t count = partialCountOf(CfgQuants);
    const int16_t step = partialStepOf(CfgCada);
    const int largest = (count - 1) * step;
    if (largest > kIntegerMax) {
        // The file holds the largest partial in 16 bits.
        prompter_.ask({configText(language(), ConfigText::PartialTooLarge),
                       Caption,
                       {Button::Ok},
                       Button::Ok,
                       MessageIcon::Exclamation});
        return false;
    }
    const Button answer = prompter_.ask({configText(language(), ConfigText::LargestPartial) + text(largest),
                                         Caption,
                                         {Button::Yes, Button::No},
                                         Button::Yes,
                                         MessageIcon::Question});
    if (answer != Button::Yes) return false;
    t.ComaDivisions = static_cast<int16_t>(largest);
    t.PartialCount = count;
    t.PartialStep = step;
    return true;
}

void ConfiguracioPista::Gravar_Click() {
    TrackConfig t = state_.Track;
    if (!comaDivisionsFromWindow(t)) return;
    t.MinLapTime = static_cast<float>(minLapTime(CfgMinim.text).first);
    t.LaneCount = static_cast<int16_t>(laneCount());
    t.LaneChange.resize(static_cast<std::size_t>(t.LaneCount) + 1, 0);
    for (int i = 1; i <= t.LaneCount; ++i)
        t.LaneChange[i] = clampedRounded(number(CfgCanvi[i]), 1, state_.MaxLanes);
    syncConnections(t);
    readSectorFields(t);
    resizeTrackWorkingArrays(t);
    setComaFormat(t);

    const fs::path file = state_.inWorkingFolder(kTrackFileName);
    if (const WriteResult written = saveTrackConfig(t, file); !written) {
        prompter_.ask(
            {configText(language(), ConfigText::SaveFailed) + FileWriteText(language(), written.error()),
             configText(language(), ConfigText::ErrorTitle),
             {Button::Ok},
             Button::Ok,
             MessageIcon::Critical});
        return;
    }
    t.SectorCount = kDefaultSectorCount;  // the file keeps the count as entered; every load works with 3
    state_.Track = std::move(t);
    Saved = true;
    Closed = true;
}

void ConfiguracioPista::Sortir_Click(int index) {
    if (index == kAcceptButton)
        Gravar_Click();
    else
        Closed = true;
}

void ConfiguracioPista::Form_Unload() {
    if (RaceCopy) state_.WorkingFolder = state_.AppFolder;
}

}  // namespace sc
