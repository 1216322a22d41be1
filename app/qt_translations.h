#pragma once
// Qt's own texts (standard dialogs, edit-field menus) in the program's language.

#include <cstdint>

namespace sc {

// Installs Qt's Catalan or Spanish translation, replacing the one installed
// before; false when the translation files are not on this machine.
bool useQtTranslations(int16_t language);

}  // namespace sc
