#include <gtest/gtest.h>

#include "settings/LanguageIndex.h"

namespace settings {
namespace {

TEST(LanguageIndex, ListedIdentifiersGiveTheirIndex)
{
    const std::pair<std::uint16_t, int> cases[] = {
        {0x0406, 0}, {0x040B, 2}, {0x040C, 3}, {0x140C, 3}, {0x0407, 4}, {0x1407, 4},
        {0x0410, 5}, {0x0810, 5}, {0x0411, 6}, {0x0412, 7}, {0x0415, 8}, {0x0419, 9},
        {0x0804, 10}, {0x041D, 12}, {0x041E, 13}, {0x0404, 14}, {0x041F, 15}, {0x042A, 16},
    };
    for (const auto& [langId, index] : cases)
        EXPECT_EQ(languageIndexForLangId(langId), index) << std::hex << langId;
}

TEST(LanguageIndex, AllTwentySpanishVariantsAndNoOthers)
{
    for (std::uint16_t langId = 0x040A; langId <= 0x500A; langId += 0x0400)
        EXPECT_EQ(languageIndexForLangId(langId), 11) << std::hex << langId;
    EXPECT_EQ(languageIndexForLangId(0x000A), 1);
    EXPECT_EQ(languageIndexForLangId(0x540A), 1);
}

TEST(LanguageIndex, UnlistedIdentifiersFallBackToOne)
{
    for (std::uint16_t langId : {0x0409, 0x0809, 0x0000, 0x1804, 0x0C04, 0x1807, 0x1810, 0xFFFF})
        EXPECT_EQ(languageIndexForLangId(langId), 1) << std::hex << langId;
}

}  // namespace
}  // namespace settings
