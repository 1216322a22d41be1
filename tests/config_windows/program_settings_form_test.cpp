#include "config_windows/program_settings_form.h"

#include <gtest/gtest.h>

#include "config_test_helpers.h"
#include "config_windows/palette16.h"

namespace sc {
namespace {

using test::fileBytes;
using test::integersAt;
using Integers = std::vector<int16_t>;

class ProgramSettingsForm : public ::testing::Test {
protected:
    test::ProgramFolder folder;
    RaceState state = folder.state();
    QueuedPrompter prompter;
    ConfiguracioPrg window{state, prompter};

    void open() {
        window.Form_Load();
        window.Form_Paint();
    }
    std::filesystem::path savedFile() const { return folder.path() / kSettingsFileName; }
};

TEST_F(ProgramSettingsForm, FirstStart_ShowsCatalanDs030AndTheDefaultColoursThatClicksOutsideTheListsKeep) {
    open();
    EXPECT_EQ(window.LlIdioma.index, 0);
    EXPECT_EQ(window.LlIdioma.items, (std::vector<std::string>{"Català", "Castellà"}));
    EXPECT_EQ(window.Hardware.items[static_cast<std::size_t>(window.Hardware.index)], "DS030");
    const int expected[] = {0, 12, 10, 15, 14, 11};
    for (int i = 1; i <= ConfiguracioPrg::kColourItems; ++i)
        EXPECT_EQ(window.ValorColor[i].index, expected[i]);
    EXPECT_EQ(window.ValorColor[1].items[12], "Vermell brillant");
    EXPECT_EQ(window.OpcioComes.value, 0);
    EXPECT_FALSE(window.MngComes.enabled);
    EXPECT_EQ(window.OpcioAutoScroll.value, 0);
    EXPECT_FALSE(window.TempsScroll.enabled);
    EXPECT_FALSE(window.FramesEnabled);
    EXPECT_EQ(window.Caption, "Configuració del programa");

    // Clicks outside the lists change nothing.
    window.LlIdioma_Click(5);
    window.ValorColor_Click(6, 2);
    window.ValorColor_Click(1, 16);
    window.Hardware_Click(-1);
    EXPECT_EQ(state.Settings.Language, 0);
    EXPECT_EQ(window.ValorColor[1].index, 12);
    EXPECT_EQ(window.Hardware.index, 1);
}

TEST_F(ProgramSettingsForm, ComaAndScrollOptions_ShownAtOpeningEnableTheirFieldsAndAreSaved) {
    state.Settings.AskComas = -1;
    state.Settings.AutoScrollSeconds = 12;
    open();
    EXPECT_EQ(window.OpcioComes.value, 1);
    EXPECT_EQ(window.OpcioAutoScroll.value, 1);
    EXPECT_EQ(window.TempsScroll.text, "12");
    EXPECT_TRUE(window.TempsScroll.enabled);
    window.OpcioComes_Click(2);
    EXPECT_TRUE(window.MngComes.enabled);
    window.OpcioComes_Click(1);
    EXPECT_FALSE(window.MngComes.enabled);
    window.OpcioAutoScroll_Click(0);
    window.Gravar_Click();
    EXPECT_EQ(integersAt(fileBytes(savedFile()), 4, 2), (Integers{-1, 0}));  // every heat, no scroll

    state.Settings.AskComas = 3;
    ConfiguracioPrg atPass(state, prompter);
    atPass.Form_Load();
    EXPECT_EQ(atPass.OpcioComes.value, 2);
    EXPECT_EQ(atPass.MngComes.text, "3");
    EXPECT_TRUE(atPass.MngComes.enabled);
}

TEST_F(ProgramSettingsForm, LeavingWithoutAccept_UndoesTheLanguagePreviewAndKeepsTheOtherSettings) {
    open();
    window.Hardware_Click(4);
    window.ValorColor_Click(1, 0);
    window.OpcioComes_Click(1);
    window.LlIdioma_Click(1);
    EXPECT_EQ(state.Settings.Language, 1);
    EXPECT_EQ(window.LlIdioma.items, (std::vector<std::string>{"Catalán", "Español"}));
    EXPECT_EQ(window.ValorColor[3].items[14], "Amarillo");
    EXPECT_EQ(window.Caption, "Configuración del programa");

    window.Sortir_Click(0);
    window.Form_Unload();
    EXPECT_TRUE(window.Closed);
    EXPECT_EQ(state.Settings.Language, 0);
    EXPECT_EQ(state.Settings.LapCounterModel, 1);
    EXPECT_EQ(state.Settings.Colours[1], 12);
    EXPECT_EQ(state.Settings.AskComas, 0);
    EXPECT_FALSE(std::filesystem::exists(savedFile()));
}

TEST_F(ProgramSettingsForm, Accept_KeepsThePreviewedLanguageAndWritesEveryFieldAtItsOffset) {
    open();
    window.LlIdioma_Click(1);
    window.Hardware_Click(3);
    window.ValorColor_Click(2, 4);
    window.OpcioComes_Click(2);
    // Typed numbers become whole absolute values (the scroll seconds below too).
    window.MngComes_Change("2,9");
    EXPECT_EQ(window.MngComes.text, "2");
    window.MngComes_Change("99999");
    EXPECT_EQ(window.MngComes.text, "32767");  // an Integer in the file
    window.MngComes_Change("");
    EXPECT_EQ(window.MngComes.text, "0");
    window.MngComes_Change("3");
    window.OpcioAutoScroll_Click(1);
    window.TempsScroll_Change("-7.8");
    window.Sortir_Click(ConfiguracioPrg::kAcceptButton);
    window.Form_Unload();
    ASSERT_TRUE(window.Closed);
    EXPECT_TRUE(window.Saved);
    EXPECT_EQ(state.Settings.Language, 1);
    EXPECT_EQ(window.languageInForce(), 1);

    const Bytes data = fileBytes(savedFile());
    ASSERT_EQ(data.size(), 31u);  // 21 + 5 colours
    // Language, a gap, passes, scroll seconds; the version byte kept; model, a gap, colour count.
    EXPECT_EQ(integersAt(data, 0, 4), (Integers{1, 0, 3, 7}));
    EXPECT_EQ(data[8], 7);
    EXPECT_EQ(integersAt(data, 9, 6), (Integers{3, 0, 0, 0, 0, 5}));
    EXPECT_EQ(integersAt(data, 21, 5), (Integers{12, 4, 15, 14, 11}));
    EXPECT_EQ(state.Settings.AutoScrollSeconds, 7);
    EXPECT_EQ(state.Settings.LapCounterModel, 3);
}

TEST_F(ProgramSettingsForm, Accept_ThatCannotWriteKeepsTheWindowOpenAndTheState) {
    state.AppFolder = folder.path() / "missing";
    open();
    window.Hardware_Click(0);
    window.Gravar_Click();
    EXPECT_FALSE(window.Closed);
    EXPECT_EQ(state.Settings.LapCounterModel, 1);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "No s'ha pogut gravar VIROLA.CFG: l'arxiu o la carpeta no existeix");
}

TEST(Palette16, CodesGiveTheStandardColours) {
    EXPECT_EQ(paletteColour(12).r, 255);
    EXPECT_EQ(paletteColour(12).g, 0);
    EXPECT_EQ(paletteColour(14).b, 0);
    EXPECT_EQ(paletteColour(15).g, 255);
    EXPECT_EQ(paletteColour(99).r, 0);
}

}  // namespace
}  // namespace sc
