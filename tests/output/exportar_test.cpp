#include "output/exportar.h"

#include <gtest/gtest.h>

#include "app/app_test_helpers.h"
#include "core/race_store.h"
#include "organisation/race_manager.h"
#include "temp_folder.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

// The race manager's archive buttons through the export window's logic:
// archive race 1, restore it, and the manager lists and selects race 2.
TEST(ExportarTest, RaceManagerArchivesAndListsTheRestoredRace) {
    test::TempFolder app;
    RaceState state;
    state.AppFolder = app.path();
    QueuedPrompter prompter;
    test::addRace(app.path(), "Copa", "06-12-2026", {0, 0, 0, 1});

    GestorProves manager(state, prompter);
    manager.Load();
    std::vector<int16_t> modes;
    manager.OpenArchive = [&](int) {
        modes.push_back(state.ModeCorregir);
        Exportar window(state, prompter, {manager.selectedRaceFolder(), manager.Fitxers});
        window.Carpetes_Change(app.path());
        window.NomArxiu = " copa.PRB ";
        if (!window.accept()) return false;
        window.run({});
        return window.raceAdded;
    };
    manager.Sortir_Click(5);
    EXPECT_TRUE(fs::exists(app.path() / "copa.PRB"));
    manager.Sortir_Click(7);
    EXPECT_EQ(modes, (std::vector<int16_t>{kModeArchive, kModeRestore}));
    EXPECT_EQ(manager.LlProves, (std::vector<std::string>{"Copa", "Copa"}));
    EXPECT_EQ(manager.raceSelected, 1);
    EXPECT_EQ(state.ModeCorregir, 0);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(ExportarTest, NameFieldTakesTheModesExtensionOnce) {
    RaceState state;
    QueuedPrompter prompter;
    state.ModeCorregir = kModeRestore;
    Exportar window(state, prompter);
    for (const auto& [typed, kept] :
         std::vector<std::pair<std::string, std::string>>{{"copa", "copa.prb"},
                                                          {"copa.prb", "copa.prb"},
                                                          {"COPA.PRB", "COPA.PRB"},
                                                          {"copa.txt", "copa.txt.prb"},
                                                          {"  ", ""}}) {
        window.NomArxiu = typed;
        window.NomArxiu_LostFocus();
        EXPECT_EQ(window.NomArxiu, kept) << typed;
    }
    state.ModeCorregir = kModeTextExport;
    Exportar text(state, prompter);
    text.NomArxiu = "resultats";
    text.NomArxiu_LostFocus();
    EXPECT_EQ(text.NomArxiu, "resultats.txt");
    EXPECT_TRUE(text.accept());
}

}  // namespace
}  // namespace sc
