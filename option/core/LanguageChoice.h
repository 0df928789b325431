#pragma once
// The user-interface language: the index the language picker sets, the flag the
// language button shows, and the face of the status line.
#include "settings/SettingsBlock.h"

namespace option::core {

// Sets `QuickHelpLan` of the block (saved with the next apply) to a row of the
// picker, 0-16; any other result changes nothing and gives false.
bool chooseLanguage(settings::SettingsBlock& block, int pickerRow);

// The language whose flag and table are shown: the index itself for 0-16,
// English for any other value.
int shownLanguage(int languageIndex);

// Japanese and Russian are shown in the system's default face, which carries
// their letters; the others in the skin's "Arial".
bool statusLineUsesSystemFace(int languageIndex);

}  // namespace option::core
