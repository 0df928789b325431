#include "hidbridge/DeviceBackend.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace hidbridge {
namespace {

// The real-mouse backend on whatever this machine has: it must list only raw HID
// nodes and refuse anything that is not one.
TEST(HidrawBackend, ListsOnlyRawHidNodesAndRefusesOtherFiles)
{
    auto backend = createHidrawBackend();
    ASSERT_TRUE(backend);
    for (const std::string& path : backend->enumerate())
        EXPECT_EQ(path.rfind("/dev/hidraw", 0), 0u) << path;

    EXPECT_FALSE(backend->open("/dev/null"));  // opens, but answers no HID ioctl
    EXPECT_FALSE(backend->open("/nonexistent/hidraw0"));
    char file[] = "/tmp/hidraw-test-XXXXXX";
    const int fd = mkstemp(file);
    ASSERT_GE(fd, 0);
    close(fd);
    EXPECT_FALSE(backend->open(file));
    unlink(file);

    // Without a udev daemon the monitor may be missing; draining must not block.
    if (backend->hotplugDescriptor() >= 0) {
        EXPECT_TRUE(backend->readHotplugEvents().empty());
    }
}

}  // namespace
}  // namespace hidbridge
