#include "settings/FixedText.h"

#include <gtest/gtest.h>

namespace settings {
namespace {

TEST(FixedText, StoresCutAndClearsWithinTheField)
{
    char field[6];
    std::memset(field, 'x', sizeof field);
    setFieldText(field, "abcdefgh");
    EXPECT_EQ(fieldText(field), "abcde");  // cut to the width minus one, NUL kept
    EXPECT_EQ(field[5], '\0');

    // An empty view may have no pointer at all; clearing must still work.
    setFieldText(field, std::string_view());
    EXPECT_EQ(fieldText(field), "");
    for (char c : field) EXPECT_EQ(c, '\0');

    // A field without a NUL reads to its end and no further.
    std::memset(field, 'y', sizeof field);
    EXPECT_EQ(fieldText(field), "yyyyyy");
}

}  // namespace
}  // namespace settings
