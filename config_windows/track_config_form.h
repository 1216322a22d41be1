#pragma once
// The track configuration window (ConfiguracioPista) without its screen: the
// controls its rules touch and its event handlers. It edits the track
// configuration of the race state and saves it as PISTA.CFG in the working
// folder on accept.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "config_windows/form_controls.h"
#include "core/prompter.h"
#include "core/race_state.h"

namespace sc {

class ConfiguracioPista {
public:
    static constexpr int kMaxConnections = 4;
    static constexpr int kPortChoices = 4;  // "COM1".."COM4"
    static constexpr int kAcceptButton = 1;

    // Tells whether serial port n can be opened (and closes it again).
    using PortProbe = std::function<bool(int port)>;

    ConfiguracioPista(RaceState& state, Prompter& prompter);

    // Window events.
    void Form_Load();
    void Form_Paint();        // the first paint ends the opening
    void Shift_KeyDown();     // while opening: reveals the SuperPole sector controls
    void MesOpcions_Click();  // the visible way to the same controls, and back
    void Avis_Click();        // frees the lane-change row (the lane count stays locked)

    // Each _Change receives the text typed into the field and applies the
    // field's rule as the field is left.
    void CfgNPistes_Change(const std::string& typed);
    void CfgCanvi_Change(int lane, const std::string& typed);
    void CfgMinim_Change(const std::string& typed);
    void CfgParcial_Change(const std::string& typed);
    void CfgQuants_Change(const std::string& typed);
    void CfgCada_Change(const std::string& typed);
    void PrimeraPista_Change(int connection, const std::string& typed);
    void CfgNParcials_Change(const std::string& typed);
    void CfgPstPar_Change(const std::string& typed);
    void CfgPstVel_Change(const std::string& typed);
    void CfgDstVel_Change(const std::string& typed);

    void OpComes_Click(int position);
    void CfgNCircuits_Click(int position);
    void PortNum_Click(int connection, int position);
    void Split_Click(int position);

    // The port search. The button stays disabled until a probe of the serial
    // ports is supplied.
    void setPortProbe(PortProbe probe);
    void TestCom_Click();

    void Sortir_Click(int index);  // kAcceptButton saves; any other closes without saving
    void Gravar_Click();
    void Form_Unload();

    // Controls.
    std::string Caption;
    TextBox CfgNPistes;             // its labels follow its enabled state
    std::string RangPistes;         // "1 - " + MaxLanes
    std::vector<TextBox> CfgCanvi;  // 1..LaneCount, each with its TxtCanvi label
    TextBox CfgMinim;
    ListBox OpComes;
    TextBox CfgParcial;
    TextBox CfgQuants;
    TextBox CfgCada;
    ListBox CfgNCircuits;
    std::array<bool, kMaxConnections + 1> Circuit{};  // frames 1..4 shown
    std::array<ListBox, kMaxConnections + 1> PortNum;
    std::array<TextBox, kMaxConnections + 1> PrimeraPista;
    bool TestComEnabled = false;
    ListBox Split;  // with its label and the RecuadreParcials frame
    TextBox CfgNParcials;
    TextBox CfgPstPar;
    TextBox CfgPstVel;
    TextBox CfgDstVel;
    bool MarcAvis = false;  // the warning of a race whose heats have been run

    bool Opening = false;
    bool Closed = false;
    bool Saved = false;
    bool RaceCopy = false;  // editing a race folder's PISTA.CFG

    int laneCount() const { return static_cast<int>(CfgCanvi.size()) - 1; }

private:
    int language() const { return state_.Settings.Language; }
    int connectionCount() const { return CfgNCircuits.index + 1; }
    void fillLists();
    void showValues();
    void rebuildLaneRow();
    void setLaneRowEnabled(bool enabled);
    void applyComaOption();
    void applySplitOption();
    void showConnectionRows();
    void keepFirstLanesIncreasing(int from);
    void syncConnections(TrackConfig& track) const;
    bool heatsRunInRace() const;
    bool comaDivisionsFromWindow(TrackConfig& track);
    void readSectorFields(TrackConfig& track) const;

    RaceState& state_;
    Prompter& prompter_;
    PortProbe probe_;
    bool laneRowEnabled_ = true;
};

}  // namespace sc
