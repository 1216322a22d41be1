#pragma once
// Headless state of the main window's heat panel `FonsDeMenu`: the heat clock
// `Hora` with its caption `TextHora`, the pause label `TextPausa`, the six
// heat-menu buttons `Menu`(0..5), the lap-correction entry `MesMenys`, the
// information menu the heat disables and the heat timer `Transcorregut`.

#include <array>
#include <string>

namespace sc {

inline constexpr int kHeatMenuButtons = 6;
inline constexpr int kEscapeKey = 27;
inline constexpr int kEnterKey = 13;
inline constexpr int kPauseColour = 12;  // light red

// The heat-menu buttons whose feature exists. A button without one stays
// disabled whatever the heat asks; the change that brings the feature flips
// its entry here.
inline constexpr std::array<bool, kHeatMenuButtons> kHeatMenuFeatureBuilt{
    true,   // (Esc) Tancar
    true,   // (L)listar voltes: the lap listing window
    true,   // (I)mprimir: printing
    true,   // (C)orregir: the corrections window
    true,   // (A)nul·lar
    true,   // (,) Comes: the corrections window
};

struct HeatMenuButton {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    int backColour = 7;
};

struct HeatPanel {
    bool visible = false;  // FonsDeMenu: heat-running mode
    int backColour = 7;
    std::array<HeatMenuButton, kHeatMenuButtons> Menu;
    std::array<bool, kHeatMenuButtons> featureBuilt = kHeatMenuFeatureBuilt;

    std::string Hora;
    bool horaVisible = false;
    int horaBackColour = 7;
    bool textHoraVisible = false;
    int textHoraBackColour = 7;
    bool textPausaVisible = false;
    int textPausaBackColour = kPauseColour;

    std::string MesMenys;  // "+12" while a lap correction is typed
    bool mesMenysVisible = false;

    bool informationMenuEnabled = true;  // MnuAjuda
    bool timerEnabled = false;           // Transcorregut
    int timerInterval = 500;             // milliseconds

    // Captions of Menu(0..5) in the language (0 Catalan, 1 Spanish).
    void SetCaptions(int language);
    void ShowMenu(bool shown);
    // Menu(index) enabled when `on` and its feature exists.
    void EnableMenu(int index, bool on);
    // The first enabled button whose caption holds the key, upper-cased, in
    // parentheses ("(L)", "(,)", "(Esc)" for 27); -1 when none.
    int MenuForKey(int key) const;
};

}  // namespace sc
