#pragma once
// Puts a window's texts in the current language and refreshes the message table it uses.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/race_state.h"
#include "localisation/language_tables.h"
#include "localisation/window_texts.h"

namespace sc {

// Applies the table of state.Settings.Language (none for a language other than 0 or 1) to the
// window, writes the Msg entries the window uses, then runs the post-processing common to all
// languages (child titles from the main menu, Sortir captions, main-window tool buttons and frames).
void AplicarIdioma(RaceState& state, WindowTexts& window);

// Which of a window's alternative texts the state calls for (entrants or participants, ...).
TextMode windowTextMode(const RaceState& state, std::string_view window);

// Writes the message-table entries the named window uses, in the given language.
void writeWindowMessages(RaceState& state, std::string_view window, int16_t language);

// "Ajuda.chm" (Catalan and any language without a table) or "Ayuda.chm" (Spanish).
std::string helpFileName(int16_t language);
// The help file in the program folder for the current language.
std::filesystem::path helpFilePath(const RaceState& state);

// True while the working folder is the program folder (not a race folder).
bool workingInAppFolder(const RaceState& state);

}  // namespace sc
