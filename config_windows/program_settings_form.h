#pragma once
// The program settings window (ConfiguracioPrg) without its screen: the
// controls its rules touch and its event handlers. It edits the program
// settings of the race state and saves them to VIROLA.CFG on accept.

#include <array>
#include <string>
#include <vector>

#include "config_windows/form_controls.h"
#include "core/prompter.h"
#include "core/race_state.h"

namespace sc {

class ConfiguracioPrg {
public:
    static constexpr int kColourItems = 5;
    static constexpr int kAcceptButton = 1;

    ConfiguracioPrg(RaceState& state, Prompter& prompter);

    // Window events.
    void Form_Load();
    void Form_Paint();        // the first paint ends the opening
    void Shift_KeyDown();     // while opening: enlarges the window and enables both frames
    void MesOpcions_Click();  // the visible way to the same frames, and back
    void LlIdioma_Click(int position);
    void Hardware_Click(int position);
    void ValorColor_Click(int item, int position);
    void OpcioComes_Click(int option);
    void OpcioAutoScroll_Click(int option);
    // The text typed into the field, cleaned up as the field is left.
    void MngComes_Change(const std::string& typed);
    void TempsScroll_Change(const std::string& typed);
    void Sortir_Click(int index);  // kAcceptButton saves; any other closes without saving
    void Gravar_Click();
    void Form_Unload();  // undoes a previewed language unless it was saved

    // Controls.
    std::string Caption;
    ListBox LlIdioma;
    ListBox Hardware;
    std::array<ListBox, kColourItems + 1> ValorColor;  // 1..kColourItems
    OptionGroup OpcioComes;
    TextBox MngComes;
    OptionGroup OpcioAutoScroll;
    TextBox TempsScroll;
    bool FramesEnabled = false;  // DemanarComes and AutoScroll
    bool Enlarged = false;

    bool Opening = false;
    bool Closed = false;
    bool Saved = false;

    int languageInForce() const { return languageInForce_; }
    int swatchColour(int item) const { return ValorColor[item].index; }

private:
    void fillLists();
    void applyOptionStates();
    ProgramSettings settingsFromWindow() const;

    RaceState& state_;
    Prompter& prompter_;
    int languageInForce_ = 0;
};

}  // namespace sc
