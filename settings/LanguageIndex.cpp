#include "settings/LanguageIndex.h"

#include "platform/system/SystemLanguage.h"

namespace settings {
namespace {

struct LanguageEntry {
    std::uint16_t langId;
    int index;
};

constexpr LanguageEntry kLanguages[] = {
    {0x0406, 0},
    {0x040B, 2},
    {0x040C, 3}, {0x080C, 3}, {0x0C0C, 3}, {0x100C, 3}, {0x140C, 3},
    {0x0407, 4}, {0x0807, 4}, {0x0C07, 4}, {0x1007, 4}, {0x1407, 4},
    {0x0410, 5}, {0x0810, 5},
    {0x0411, 6},
    {0x0412, 7},
    {0x0415, 8},
    {0x0419, 9},
    {0x0804, 10},
    {0x041D, 12},
    {0x041E, 13},
    {0x0404, 14},
    {0x041F, 15},
    {0x042A, 16},
};

constexpr std::uint16_t kSpanishPrimary = 0x0A;
constexpr std::uint16_t kFirstSpanishSublanguage = 0x01;
constexpr std::uint16_t kLastSpanishSublanguage = 0x14;  // 0x040A to 0x500A
constexpr int kSpanishIndex = 11;

}  // namespace

int languageIndexForLangId(std::uint16_t langId)
{
    const std::uint16_t primary = langId & 0x3FF;
    const std::uint16_t sublanguage = langId >> 10;
    if (primary == kSpanishPrimary && sublanguage >= kFirstSpanishSublanguage &&
        sublanguage <= kLastSpanishSublanguage)
        return kSpanishIndex;
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.langId == langId)
            return entry.index;
    }
    return kFallbackLanguageIndex;
}

int systemLanguageIndex()
{
    return languageIndexForLangId(platform::systemLanguageId());
}

}  // namespace settings
