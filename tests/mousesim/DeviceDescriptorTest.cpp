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

}  // namespace
}  // namespace mousesim::test
