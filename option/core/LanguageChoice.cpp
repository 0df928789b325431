#include "option/core/LanguageChoice.h"

#include "option/core/TextLibrary.h"

namespace option::core {
namespace {

constexpr int kJapanese = 6;
constexpr int kRussian = 9;

bool isLanguage(int index) { return index >= 0 && index < kLanguageCount; }

}  // namespace

bool chooseLanguage(settings::SettingsBlock& block, int pickerRow)
{
    if (!isLanguage(pickerRow))
        return false;
    block.QuickHelpLan = pickerRow;
    return true;
}

int shownLanguage(int languageIndex)
{
    return isLanguage(languageIndex) ? languageIndex : kEnglishLanguage;
}

bool statusLineUsesSystemFace(int languageIndex)
{
    return languageIndex == kJapanese || languageIndex == kRussian;
}

}  // namespace option::core
