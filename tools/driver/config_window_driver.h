#pragma once
// The configuration windows driven as a person would: opened, each field
// typed or chosen, then accepted. Keys not given keep the window's values.

#include <span>
#include <string_view>

#include "tools/driver/key_values.h"

namespace sc::driver {

class Session;

std::span<const std::string_view> programSettingsKeys();
std::span<const std::string_view> trackConfigKeys();

// The program settings window, with the settings in the race state.
void acceptProgramSettings(Session& session, const KeyValues& edits);
// The track configuration window of the working folder, with the track
// configuration in the race state.
void acceptTrackConfig(Session& session, const KeyValues& edits);

// The menus' way in: the file of the program folder is loaded first (a
// damaged one is reported and the window starts from the defaults).
void openProgramSettings(Session& session, const KeyValues& edits);
void openGeneralTrackConfig(Session& session, const KeyValues& edits);

}  // namespace sc::driver
