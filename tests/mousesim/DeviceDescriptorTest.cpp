// The mouse's report descriptors, read the way the HID bridge reads them.

#include <gtest/gtest.h>

#include "hidbridge/ReportDescriptor.h"
#include "mousesim/DeviceDescriptor.h"

namespace mousesim::test {
namespace {

TEST(DeviceDescriptor, EventCollectionCarriesTheFiveByteEventReport) {
    const auto d = eventCollectionDescriptor();
    const auto caps = hidbridge::parseReportDescriptor(d.data(), d.size());
    ASSERT_EQ(caps.size(), 1u);
    EXPECT_EQ(caps[0].usagePage, 0x000A);
    EXPECT_EQ(caps[0].usage, 0x0000);
    EXPECT_EQ(caps[0].inputReportLength, 5);
    EXPECT_EQ(caps[0].featureReportLength, 0);
}

TEST(DeviceDescriptor, FeatureCollectionIsAsLongAsTheMacroReport) {
    const auto d = featureCollectionDescriptor();
    const auto caps = hidbridge::parseReportDescriptor(d.data(), d.size());
    ASSERT_EQ(caps.size(), 1u);
    EXPECT_EQ(caps[0].usagePage, 0x000B);
    EXPECT_EQ(caps[0].featureReportLength, 2082);
    EXPECT_EQ(caps[0].inputReportLength, 0);
}

TEST(DeviceDescriptor, CombinedDescriptorHoldsBothCollections) {
    const auto d = combinedDescriptor();
    const auto caps = hidbridge::parseReportDescriptor(d.data(), d.size());
    ASSERT_EQ(caps.size(), 2u);
    EXPECT_EQ(caps[0].usagePage, 0x000A);
    EXPECT_EQ(caps[1].usagePage, 0x000B);
}

// A kernel read of a feature report is answered at these lengths.
TEST(DeviceDescriptor, FeatureReportLengthsAreThoseTheHostReads) {
    const std::pair<std::uint8_t, std::size_t> reads[] = {{4, 3},  {5, 3},   {6, 31},  {7, 59},  {8, 2082},
                                                          {9, 6},  {12, 1028}, {15, 6}, {28, 3}};
    for (const auto& [id, length] : reads) EXPECT_EQ(featureReportLength(id), length) << int{id};
    EXPECT_FALSE(featureReportLength(3)) << "the event report is an input report";
    EXPECT_FALSE(featureReportLength(0x63));
}

}  // namespace
}  // namespace mousesim::test
