// The installed udev rule must open the hidraw nodes of every device the bridge
// accepts as the mouse; a vendor ID missing there leaves that mouse to root.

#include "hidbridge/MouseIdentity.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace hidbridge {
namespace {

std::string hex4(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);  // sysfs spells IDs in lower case
    return text;
}

bool hasAccessRule(const std::string& rules, std::uint16_t vendor)
{
    std::istringstream lines(rules);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '#') continue;
        if (line.find("KERNEL==\"hidraw*\"") != std::string::npos &&
            line.find("ATTRS{idVendor}==\"" + hex4(vendor) + "\"") != std::string::npos &&
            line.find("ATTRS{idProduct}==\"" + hex4(kMouseProductId) + "\"") != std::string::npos &&
            line.find("TAG+=\"uaccess\"") != std::string::npos)
            return true;
    }
    return false;
}

TEST(UdevRule, GrantsTheSeatAccessToEveryVendorIdTheBridgeAccepts)
{
    const std::string rules = testsupport::readFile(ZURO_UDEV_RULE_FILE);
    ASSERT_FALSE(rules.empty());
    EXPECT_TRUE(hasAccessRule(rules, kMouseVendorId));
    EXPECT_TRUE(hasAccessRule(rules, kMouseVendorIdAlternate));
}

}  // namespace
}  // namespace hidbridge
