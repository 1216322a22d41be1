#include "config_windows/config_texts.h"

#include "localisation/language_tables.h"
#include "localisation/name_lists.h"
#include "localisation/text_case.h"

namespace sc {
namespace {

constexpr std::string_view kMainWindow = "Portada";
constexpr std::string_view kTrackWindow = "ConfiguracioPista";

int16_t tableLanguage(int language) { return language == kSpanish ? kSpanish : kCatalan; }

std::string menuTitle(int language, int entry) {
    return withoutEllipsis(tableText(tableLanguage(language), kMainWindow, "MnuCfg", entry).value_or(""));
}

std::string message(int language, std::string_view window, int section, int item) {
    return tableMessage(tableLanguage(language), window, section, item).value_or("");
}

std::vector<std::string> listItems(int language, std::string_view control) {
    const std::string items =
        tableText(tableLanguage(language), kTrackWindow, control, -1, TextKind::ListItems).value_or("");
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = items.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(items.substr(start, end - start));
    out.push_back(items.substr(start));
    return out;
}

}  // namespace

std::string configText(int language, ConfigText which) {
    const bool spanish = tableLanguage(language) == kSpanish;
    switch (which) {
        case ConfigText::ProgramTitle:
            return menuTitle(language, 0);
        case ConfigText::TrackTitleGeneral:
            return menuTitle(language, 1);
        case ConfigText::TrackTitleRace:
            return menuTitle(language, 2);
        case ConfigText::LargestPartial:
            return message(language, kTrackWindow, 8, 2);
        case ConfigText::NoPortFound:
            return message(language, kTrackWindow, 8, 6);
        case ConfigText::PortsFound:
            return message(language, kTrackWindow, 8, 7);
        case ConfigText::PortSearchTitle:
            return tableText(tableLanguage(language), kTrackWindow, "TestCom", -1).value_or("");
        case ConfigText::ErrorTitle:
            return message(language, kMainWindow, 0, 3);
        case ConfigText::SaveFailed:
            return spanish ? "No se ha podido grabar " : "No s'ha pogut gravar ";
        case ConfigText::PartialTooLarge:
            return spanish ? "El parcial mayor no puede pasar de 32767."
                           : "El parcial més gran no pot passar de 32767.";
    }
    return {};
}

std::vector<std::string> languageNames(int language) {
    return nameListsFor(tableLanguage(language)).LlistaIdiomes;
}
std::vector<std::string> lapCounterNames(int language) {
    return nameListsFor(tableLanguage(language)).LlistaComptavoltes;
}
std::vector<std::string> colourNames(int language) {
    return nameListsFor(tableLanguage(language)).LlistaColors;
}
std::vector<std::string> comaDefinitionNames(int language) { return listItems(language, "OpComes"); }
std::vector<std::string> yesNoNames(int language) { return listItems(language, "Split"); }

}  // namespace sc
