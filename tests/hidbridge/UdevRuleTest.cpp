// The installed udev rule must open the hidraw nodes of every device the bridge
// accepts as the mouse, on any bus; a vendor ID missing there leaves that mouse
// to root.

#include "hidbridge/MouseIdentity.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fnmatch.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace hidbridge {
namespace {

// The name the kernel gives a HID device: bus, vendor, product, instance.
std::string hidDeviceName(int bus, std::uint16_t vendor)
{
    char name[32];
    std::snprintf(name, sizeof name, "%04X:%04X:%04X.0001", bus, vendor, kMouseProductId);
    return name;
}

// Whether a rule that gives the seat access matches the device by that name
// (KERNELS=="glob|glob", as udev reads alternatives).
bool grantsAccess(const std::string& rules, const std::string& deviceName)
{
    std::istringstream lines(rules);
    const std::string key = "KERNELS==\"";
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '#' || line.find("KERNEL==\"hidraw*\"") == std::string::npos ||
            line.find("TAG+=\"uaccess\"") == std::string::npos)
            continue;
        const std::size_t start = line.find(key);
        if (start == std::string::npos) continue;
        const std::size_t end = line.find('"', start + key.size());
        std::istringstream globs(line.substr(start + key.size(), end - start - key.size()));
        for (std::string glob; std::getline(globs, glob, '|');)
            if (fnmatch(glob.c_str(), deviceName.c_str(), 0) == 0) return true;
    }
    return false;
}

TEST(UdevRule, GrantsTheSeatAccessToEveryVendorIdTheBridgeAcceptsOnAnyBus)
{
    const std::string rules = testsupport::readFile(ZURO_UDEV_RULE_FILE);
    ASSERT_FALSE(rules.empty());
    for (const int bus : {0x03, 0x05}) {  // USB, Bluetooth
        EXPECT_TRUE(grantsAccess(rules, hidDeviceName(bus, kMouseVendorId))) << bus;
        EXPECT_TRUE(grantsAccess(rules, hidDeviceName(bus, kMouseVendorIdAlternate))) << bus;
    }
    EXPECT_FALSE(grantsAccess(rules, hidDeviceName(0x03, 0x046D)));  // another maker's device
}

}  // namespace
}  // namespace hidbridge
