#include "localisation/language_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "localisation/apply_language.h"
#include "localisation/name_lists.h"
#include "localisation/text_case.h"

namespace sc {
namespace {

RaceState stateIn(int16_t language) {
    RaceState state;
    state.AppFolder = "/prog";
    state.Settings.Language = language;
    return state;
}

WindowTexts named(const std::string& name, const WindowTexts* mainWindow = nullptr) {
    WindowTexts window;
    window.name = name;
    window.mainWindow = mainWindow;
    return window;
}

std::string caption(const WindowTexts& window, const std::string& control, int index = -1) {
    const ControlTexts* texts = window.find(control, index);
    return texts != nullptr && texts->caption ? *texts->caption : "<none>";
}

std::set<std::pair<int, int>> filledMessages(const RaceState& state) {
    std::set<std::pair<int, int>> filled;
    for (int s = 0; s < 10; ++s)
        for (int i = 0; i < 20; ++i)
            if (state.Msg[s][i] != "<unset>") filled.insert({s, i});
    return filled;
}

std::set<std::pair<int, int>> inSection(int section, std::initializer_list<int> items) {
    std::set<std::pair<int, int>> entries;
    for (int item : items) entries.insert({section, item});
    return entries;
}

void markMessagesUnset(RaceState& state) {
    for (auto& section : state.Msg)
        for (auto& entry : section) entry = "<unset>";
}

// Texts other tests and the driver scripts show are checked there.
TEST(LanguageTables, ExactTextsInBothLanguages) {
    EXPECT_EQ(tableText(kSpanish, "Portada", "Menu", 4), "(A)nular");
    EXPECT_EQ(tableText(kCatalan, "Portada", "BotoPen", 4), "Penalizacions...");
    EXPECT_EQ(tableText(kCatalan, "GestorProves", "Sortir", 4), "Eliminar &sèrie...");
    EXPECT_EQ(tableText(kSpanish, "LlistarVoltes", "Filtre", 4, TextKind::ToolTip), "Mangas de ");
    EXPECT_EQ(tableText(kCatalan, "Resultats", "LlistaVoltes", -1, TextKind::GridFormat),
              "|^Ser.|Dor.|<Participant|^Psd.|^Pst.|^Mng.|>Total V.|HdP|>V. Ràpida|HdP|>V. parc.|HdP|"
              ">V.R. parc.|HdP|>Dif. Prm.|>Dif. Ant.|>Pen.");
    EXPECT_EQ(tableText(kSpanish, "Classificacio", "TaulaVR", -1, TextKind::GridFormat),
              "^VR|^Participante|nº|^Pst.|^Ser.");
    EXPECT_EQ(tableMessage(kSpanish, "Portada", 0, 5), "¿Seguro que quieres anular la manga nº");
    EXPECT_EQ(tableMessage(kCatalan, "Corregir", 7, 4), " com a volta ràpida de ");
    EXPECT_EQ(tableMessage(kSpanish, "Corregir", 7, 5), " por la pista ");
    EXPECT_EQ(tableMessage(kSpanish, "Exportar", 9, 11), "¿Sobreescribirlo?");
}

TEST(LanguageTables, EveryEntryHasBothLanguagesFitsTheMessageTableAndKeepsItsBlanks) {
    for (const CaptionEntry& e : captionTable()) {
        SCOPED_TRACE(std::string(e.window) + "." + std::string(e.control) + "(" + std::to_string(e.index) +
                     ")");
        EXPECT_FALSE(e.catalan.empty());
        EXPECT_FALSE(e.spanish.empty());
        if (e.kind == TextKind::ListItems) {
            EXPECT_EQ(std::count(e.catalan.begin(), e.catalan.end(), '\n'),
                      std::count(e.spanish.begin(), e.spanish.end(), '\n'));
        }
    }
    std::set<std::tuple<std::string_view, int, int>> seen;
    for (const MessageEntry& e : messageTable()) {
        EXPECT_TRUE(e.section >= 0 && e.section < 10 && e.item >= 0 && e.item < 20);
        EXPECT_TRUE(seen.insert({e.window, e.section, e.item}).second)
            << "duplicate " << e.section << "," << e.item;
        // Only the lap listing blanks its entries.
        if (e.window != "LlistarVoltes") {
            EXPECT_FALSE(e.catalan.empty() || e.spanish.empty());
        }
        if (e.catalan.empty()) continue;
        // Blanks around concatenated texts match in both languages.
        SCOPED_TRACE(std::to_string(e.section) + "," + std::to_string(e.item));
        EXPECT_EQ(e.catalan.front() == ' ', e.spanish.front() == ' ');
        EXPECT_EQ(e.catalan.back() == ' ', e.spanish.back() == ' ');
    }
}

TEST(NameLists, ColoursLanguagesAndLapCounters) {
    const NameLists ca = nameListsFor(kCatalan), es = nameListsFor(kSpanish);
    ASSERT_EQ(ca.LlistaColors.size(), 16u);
    ASSERT_EQ(es.LlistaColors.size(), 16u);
    EXPECT_EQ(ca.LlistaColors[6], "Marró");
    EXPECT_EQ(es.LlistaColors[13], "Magenta brillante");
    EXPECT_EQ(ca.LlistaIdiomes, (std::vector<std::string>{"Català", "Castellà"}));
    EXPECT_EQ(es.LlistaComptavoltes, ca.LlistaComptavoltes);
    EXPECT_EQ(ca.LlistaComptavoltes[3], "DS300 & DS4port");
}

TEST(Messages, EachWindowWritesOnlyItsOwnEntries) {
    struct Case {
        std::string window;
        std::set<std::pair<int, int>> entries;
    };
    const std::vector<Case> cases = {
        // Section 0 but not entry 7.
        {"Portada", inSection(0, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13})},
        {"NovaProva", {{2, 0}, {2, 1}, {2, 2}}},
        {"GestorProves", {{3, 0}, {3, 1}, {3, 2}, {3, 3}}},
        // 7,10 and 7,11: the unreadable-file and failed-write messages.
        {"LlistarVoltes", {{6, 0}, {6, 1}, {7, 0}, {7, 1}, {7, 2}, {7, 10}, {7, 11}}},
        {"Corregir", {{7, 3}, {7, 4}, {7, 5}, {7, 6}}},
        {"Penalitzacions", {{7, 10}, {7, 11}}},
    };
    for (const Case& c : cases) {
        RaceState state = stateIn(kCatalan);
        markMessagesUnset(state);
        WindowTexts window = named(c.window);
        AplicarIdioma(state, window);
        EXPECT_EQ(filledMessages(state), c.entries) << c.window;
    }
}

TEST(Messages, SharedSectionHoldsTheTextsOfTheWindowLoadedLast) {
    RaceState state = stateIn(kCatalan);
    WindowTexts results = named("Resultats"), listing = named("LlistarVoltes"),
                corrections = named("Corregir");
    AplicarIdioma(state, results);
    EXPECT_EQ(state.Msg[7][2], "Quadrant de voltes acabada la màniga ");
    AplicarIdioma(state, listing);
    EXPECT_EQ(state.Msg[7][2], "");
    EXPECT_EQ(state.Msg[7][3], "Total");  // the listing does not write 7,3
    AplicarIdioma(state, corrections);
    EXPECT_EQ(state.Msg[7][3], "Vols assignar ");
    EXPECT_EQ(state.Msg[7][0], "Tots");
}

TEST(ApplyLanguage, SpanishCaptionsByNameAndIndexOnlyForExistingControls) {
    RaceState state = stateIn(kSpanish);
    WindowTexts window = named("ConfiguracioPista");
    window.add("Text", 17).caption = "N. de pistes:";
    window.add("Circuit", 3);
    window.add("Avis");
    window.add("Split").items = std::vector<std::string>{"No", "Sí"};
    AplicarIdioma(state, window);
    EXPECT_EQ(caption(window, "Text", 17), "Nº de pistas:");
    EXPECT_EQ(caption(window, "Circuit", 3), "Conexión 3");
    EXPECT_EQ(*window.find("Avis")->toolTip,
              "Haz clic sobre este mensaje para acceder a modificar el orden de cambio de pistas.");
    EXPECT_EQ(window.find("Text", 18), nullptr);
    EXPECT_EQ(window.controls.size(), 4u);
}

// The corrections window's texts by mode are checked by its window test.
TEST(ApplyLanguage, AlternativeTextsFollowTheWayTheWindowWasOpened) {
    RaceState state = stateIn(kCatalan);
    WindowTexts entrants = named("Inscrits");
    entrants.add("Text", 1);
    entrants.add("Text", 5);
    state.WorkingFolder = "/prog/PROVA001";
    AplicarIdioma(state, entrants);
    EXPECT_EQ(entrants.title, "Llista d'inscrits");
    EXPECT_EQ(caption(entrants, "Text", 5), "Dorsal");
    state.WorkingFolder = "/prog";
    AplicarIdioma(state, entrants);
    EXPECT_EQ(entrants.title, "Llista de participants");
    EXPECT_EQ(caption(entrants, "Text", 1), "N. de participants:");

    WindowTexts exporter = named("Exportar");
    exporter.add("Text", 0);
    state.ModeCorregir = 7;
    AplicarIdioma(state, exporter);
    EXPECT_EQ(caption(exporter, "Text", 0), "Llegir de:");
    EXPECT_EQ(exporter.title, "Desarxivar prova");
}

// The settings window's own title and a window without a main window: the
// adapter's window test (settings preview, penalties).
TEST(PostProcessing, ChildTitleIsTheMenuCaptionInTheCurrentLanguageWithoutEllipsis) {
    RaceState state = stateIn(kSpanish);
    WindowTexts main = named("Portada");
    // Still in Catalan: the main window keeps its captions after a language
    // change until it loads again; the windows it opens speak the new language.
    main.add("MnuAltresRtats").caption = "Classificacions";
    // A caption without "..." is kept whole.
    WindowTexts results = named("Resultats", &main);
    AplicarIdioma(state, results);
    EXPECT_EQ(results.title, "Clasificaciones");
}

TEST(PostProcessing, SortirTakesCloseAndSaveCaptions) {
    RaceState state = stateIn(kSpanish);
    WindowTexts main = named("Portada");
    main.add("Menu", 0);
    AplicarIdioma(state, main);
    WindowTexts penalties = named("Penalitzacions", &main);
    penalties.add("Sortir", 0).caption = "(Esc) Tancar";
    penalties.add("Sortir", 1).caption = "&Gravar";
    AplicarIdioma(state, penalties);
    EXPECT_EQ(caption(penalties, "Sortir", 0), "(Esc) Cerrar");
    EXPECT_EQ(caption(penalties, "Sortir", 1), "&Grabar");

    // The race manager's Sortir(1) is not a save button; its other buttons keep their table texts.
    WindowTexts manager = named("GestorProves", &main);
    manager.add("Sortir", 1).caption = "&Obrir";
    manager.add("Sortir", 5);
    AplicarIdioma(state, manager);
    EXPECT_EQ(caption(manager, "Sortir", 1), "&Obrir");
    EXPECT_EQ(caption(manager, "Sortir", 5), "Archivar prueba...");
}

TEST(PostProcessing, MainWindowToolButtonsAndUpperCaseFrames) {
    RaceState state = stateIn(kSpanish);
    WindowTexts main = named("Portada");
    for (int m = 0; m <= 4; ++m)
        for (const char* name : {"MnuPrg", "BotoPrg", "Marc", "BotoCls"}) main.add(name, m);
    for (const char* name : {"MnuIns100", "MnuSortir", "BotoSortir", "BotoCfg"}) main.add(name);
    main.add("BotoIns", 100);
    main.add("BotoIns", 2).caption = "Participants...";
    main.add("MnuCfg", 0);
    main.add("BotoNou", 3).caption = "Nova sèrie...";
    AplicarIdioma(state, main);
    EXPECT_EQ(caption(main, "BotoPrg", 1), "Entrenamientos libres");
    EXPECT_EQ(caption(main, "BotoIns", 100), "Lista de participantes...");
    EXPECT_EQ(caption(main, "BotoIns", 2), "Participantes...");
    EXPECT_EQ(caption(main, "BotoNou", 3), "Nueva serie...");
    EXPECT_EQ(caption(main, "BotoCfg"), "Configuración del programa...");
    EXPECT_EQ(caption(main, "BotoSortir"), "Salir");
    EXPECT_EQ(caption(main, "BotoCls", 3), "Clasificación...");  // no MnuCls: the table text stays
    EXPECT_EQ(caption(main, "Marc", 0), "Prueba");
    EXPECT_EQ(caption(main, "Marc", 2), "ENTRENAMIENTOS OFICIALES");
    EXPECT_EQ(caption(main, "Marc", 3), "SUPERPOLE");
}

TEST(PostProcessing, LanguageWithoutTableKeepsDesignButStillPostProcesses) {
    RaceState state = stateIn(2);
    markMessagesUnset(state);
    WindowTexts main = named("Portada");
    main.add("MnuPrg", 4).caption = "&Cursa";
    main.add("Marc", 4).caption = "x";
    main.add("Menu", 0).caption = "(Esc) Tancar";
    AplicarIdioma(state, main);
    EXPECT_EQ(caption(main, "MnuPrg", 4), "&Cursa");
    EXPECT_EQ(caption(main, "Menu", 0), "(Esc) Tancar");
    EXPECT_EQ(caption(main, "Marc", 4), "&CURSA");
    EXPECT_TRUE(filledMessages(state).empty());

    WindowTexts settings = named("ConfiguracioPrg", &main);
    settings.add("Text", 1).caption = "designed";
    settings.add("Sortir", 0);
    settings.add("LlIdioma");
    AplicarIdioma(state, settings);
    EXPECT_EQ(caption(settings, "Text", 1), "designed");
    EXPECT_EQ(caption(settings, "Sortir", 0), "(Esc) Tancar");
    EXPECT_EQ(settings.title, "Configuració del programa");
    EXPECT_FALSE(settings.find("LlIdioma")->items.has_value());
}

TEST(ApplyLanguage, AboutWindowComposesTitleAndVersion) {
    RaceState state = stateIn(kSpanish);
    WindowTexts about = named("Informacio");
    about.programName = "SlotCursa";
    about.version = {2, 1, 7};
    about.add("Versio");
    about.add("Descripcio");
    AplicarIdioma(state, about);
    EXPECT_EQ(about.title, "Información de SlotCursa");
    EXPECT_EQ(caption(about, "Versio"), "SlotCursa Versión 2.1.7");
    EXPECT_EQ(caption(about, "Descripcio"), "Programa de gestión de carreras en circuitos de Slot.");
}

TEST(TextCase, UpperCaseKeepsMiddleDotAndAccentsUpper) {
    EXPECT_EQ(upperCaseCaption("anul·lar màniga ñ ç é ü"), "ANUL·LAR MÀNIGA Ñ Ç É Ü");
    EXPECT_EQ(upperCaseCaption("a\xC3"), "A\xC3");  // truncated sequence left alone
    EXPECT_EQ(withoutEllipsis("Nova prova..."), "Nova prova");
    EXPECT_EQ(withoutEllipsis("Llistar voltes"), "Llistar voltes");
    EXPECT_EQ(withoutEllipsis(".."), "..");
}

TEST(HelpFile, NamedByLanguageInTheProgramFolder) {
    EXPECT_EQ(helpFileName(kCatalan), "Ajuda.chm");
    EXPECT_EQ(helpFileName(kSpanish), "Ayuda.chm");
    EXPECT_EQ(helpFileName(5), "Ajuda.chm");
    EXPECT_EQ(helpFilePath(stateIn(kSpanish)), std::filesystem::path("/prog") / "Ayuda.chm");
}

}  // namespace
}  // namespace sc
