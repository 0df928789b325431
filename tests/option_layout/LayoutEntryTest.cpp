#include "option/layout/LayoutEntry.h"

#include <gtest/gtest.h>

using option::layout::parseLayoutEntry;

TEST(LayoutEntry, ReadsNameRectangleAndStatusText)
{
    const auto entry = parseLayoutEntry("Apply,640,563,72,30,Apply the setting to the device");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, "Apply");
    EXPECT_EQ(entry->left, 640);
    EXPECT_EQ(entry->top, 563);
    EXPECT_EQ(entry->right, 712);
    EXPECT_EQ(entry->bottom, 593);
    EXPECT_EQ(entry->statusText, "Apply the setting to the device");
}

TEST(LayoutEntry, EmptyOrBlankStatusTextAndBlanksBeforeNumbers)
{
    EXPECT_EQ(parseLayoutEntry("B1,33,47,158,20,")->statusText, "");
    EXPECT_EQ(parseLayoutEntry("B1,33,47,158,20,   ")->statusText, "");
    const auto entry = parseLayoutEntry("button language,12, 570,32,17,Select language");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->top, 570);
    EXPECT_EQ(entry->statusText, "Select language");
}

TEST(LayoutEntry, ZeroSizeControlExistsButIsInvisible)
{
    const auto entry = parseLayoutEntry("B6,0,0,0,0,");
    ASSERT_TRUE(entry);
    EXPECT_FALSE(entry->visible());
    EXPECT_TRUE(parseLayoutEntry("B1,33,47,158,20,")->visible());
}

TEST(LayoutEntry, LongNameAndStatusTextAreCut)
{
    const std::string longName(60, 'n');
    const std::string longText(500, 't');
    const auto entry = parseLayoutEntry(longName + ",1,2,3,4," + longText);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name.size(), 39u);
    EXPECT_EQ(entry->statusText.size(), 403u);
}

TEST(LayoutEntry, MalformedStringsAreRefused)
{
    EXPECT_FALSE(parseLayoutEntry("NoCommas"));
    EXPECT_FALSE(parseLayoutEntry("Short,1,2,3"));
    EXPECT_FALSE(parseLayoutEntry("Blank comma,1 ,2,3,4,"));
    EXPECT_FALSE(parseLayoutEntry("Negative,1,2,-3,4,"));
}
