#include "hidbridge/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

using hidbridge::parseReportDescriptor;

namespace {

std::vector<hidbridge::CollectionCaps> parse(const std::vector<std::uint8_t>& d)
{
    return parseReportDescriptor(d.data(), d.size());
}

// A descriptor shaped like the mouse's: a boot mouse, the vendor event
// collection (report 3) and the vendor feature collection (several reports).
const std::vector<std::uint8_t> kMouseLike = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,        // Generic Desktop / Mouse, Application
    0x85, 0x01, 0x09, 0x01, 0xA1, 0x00,        //   report 1, Pointer, Physical
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05,        //     buttons 1-5
    0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x03, 0x81, 0x01,        //     padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31,        //     X, Y 16 bit
    0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x06,
    0xC0, 0xC0,
    0x06, 0x0A, 0x00, 0x09, 0x00, 0xA1, 0x01,  // page 0x000A usage 0: events
    0x85, 0x03, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x07, 0x09, 0x00, 0x81, 0x02,
    0xC0,
    0x06, 0x0B, 0x00, 0x09, 0x00, 0xA1, 0x01,  // page 0x000B usage 0: features
    0x85, 0x04, 0x75, 0x08, 0x95, 0x07, 0x09, 0x00, 0xB1, 0x02,
    0x85, 0x06, 0x95, 0x3F, 0x09, 0x00, 0xB1, 0x02,  // the longest: 63 data bytes
    0x85, 0x08, 0x96, 0x08, 0x00, 0x09, 0x00, 0xB1, 0x02,
    0xC0,
};

TEST(ReportDescriptor, FindsEveryTopLevelCollectionWithItsLengths)
{
    const auto caps = parse(kMouseLike);
    ASSERT_EQ(caps.size(), 3u);

    EXPECT_EQ(caps[0].usagePage, 0x0001);
    EXPECT_EQ(caps[0].usage, 0x0002);
    EXPECT_EQ(caps[0].inputReportLength, 1 + 5);  // 8 bits of buttons + 32 bits of X/Y, plus the ID
    EXPECT_EQ(caps[0].featureReportLength, 0);

    EXPECT_EQ(caps[1].usagePage, 0x000A);
    EXPECT_EQ(caps[1].usage, 0x0000);
    EXPECT_EQ(caps[1].inputReportLength, 8);
    EXPECT_EQ(caps[1].outputReportLength, 0);

    EXPECT_EQ(caps[2].usagePage, 0x000B);
    EXPECT_EQ(caps[2].featureReportLength, 64);  // the longest report decides
    EXPECT_EQ(caps[2].inputReportLength, 0);
}

TEST(ReportDescriptor, ReadsVendorPagesLongItemsPushPopAndFourByteUsages)
{
    const std::vector<std::uint8_t> d = {
        0x06, 0x00, 0xFF,                    // vendor page 0xFF00
        0xFE, 0x02, 0x10, 0xAA, 0xBB,        // a long item, skipped
        0x0B, 0x01, 0x00, 0x0B, 0x00,        // usage 0x000B:0001 given as 4 bytes
        0xA1, 0x01,
        0xA4,                                // push (page 0xFF00)
        0x05, 0x01, 0x75, 0x08, 0x95, 0x02, 0x91, 0x02,  // output, no report IDs: 2 bytes
        0xB4,                                // pop
        0x09, 0x01, 0xA1, 0x02, 0x75, 0x08, 0x95, 0x03, 0x81, 0x02, 0xC0,  // nested input
        0xC0,
    };
    const auto caps = parse(d);
    ASSERT_EQ(caps.size(), 1u);
    EXPECT_EQ(caps[0].usagePage, 0x000B);
    EXPECT_EQ(caps[0].usage, 0x0001);
    EXPECT_EQ(caps[0].outputReportLength, 3);
    EXPECT_EQ(caps[0].inputReportLength, 4);
}

TEST(ReportDescriptor, MalformedDescriptorsGiveNoCollections)
{
    const std::vector<std::vector<std::uint8_t>> bad = {
        {0x06, 0x0A},                                   // item cut inside its data
        {0x06, 0x0A, 0x00, 0xA1, 0x01},                 // collection never closed
        {0xC0},                                         // end without a collection
        {0xFE, 0x10, 0x00, 0x01},                       // long item longer than the rest
        {0xA1, 0x01, 0x85, 0x00, 0xC0},                 // report ID 0
        {0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0x7F, 0xC0},  // absurd report size
        {0xA1, 0x01, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xC0},  // absurd report count
        {0xB4},                                         // pop without push
        {0x75, 0x08, 0x95, 0x01, 0x81, 0x02},           // a report outside any collection
        {0xA1, 0x01, 0xFC, 0xC0},                       // reserved item type
    };
    for (const auto& d : bad) EXPECT_TRUE(parse(d).empty());

    // Report bits that add up past what a 16-bit length can hold.
    std::vector<std::uint8_t> huge = {0xA1, 0x01, 0x75, 0x80, 0x96, 0x00, 0x10};
    for (int i = 0; i < 20; ++i) huge.insert(huge.end(), {0xB1, 0x02});
    huge.push_back(0xC0);
    EXPECT_TRUE(parse(huge).empty());

    // Nesting deeper than any real device uses.
    std::vector<std::uint8_t> deep;
    for (int i = 0; i < 40; ++i) deep.insert(deep.end(), {0xA1, 0x00});
    for (int i = 0; i < 40; ++i) deep.push_back(0xC0);
    EXPECT_TRUE(parse(deep).empty());

    EXPECT_TRUE(parseReportDescriptor(nullptr, 10).empty());
    EXPECT_TRUE(parse({}).empty());
}

TEST(ReportDescriptor, SurvivesEveryTruncationOfARealDescriptor)
{
    for (std::size_t n = 0; n < kMouseLike.size(); ++n) {
        const std::vector<std::uint8_t> cut(kMouseLike.begin(), kMouseLike.begin() + n);
        const auto caps = parse(cut);
        // Only a cut right after a collection's end can still be well formed.
        for (const auto& c : caps) EXPECT_NE(c.usagePage, 0x000B);
    }
}

}  // namespace
