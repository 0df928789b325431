#include <gtest/gtest.h>

#include <cstring>

#include "platform/ini/PrivateProfile.h"
#include "settings/DeviceList.h"
#include "settings/FixedText.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

ParleyDevice device(std::uint16_t pid, const char* name, std::int32_t firstCpi)
{
    ParleyDevice d;
    d.Vid = 0x1E7D;
    d.Pid = pid;
    setFieldText(d.Name, name);
    for (int c = 0; c < kParleyCpiCount; ++c)
        d.Cpi[c] = firstCpi + c;
    return d;
}

bool sameDevice(const ParleyDevice& a, const ParleyDevice& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class DeviceListTest : public ::testing::Test {
protected:
    test::TempFolder temp;
    InstallFolder folder{temp.path()};
};

TEST_F(DeviceListTest, AKnownPidIsReplacedInPlace)
{
    ParleyDeviceList devices;
    EXPECT_TRUE(announceDevice(devices, device(0x2D51, "Keyboard", 1)));
    EXPECT_TRUE(announceDevice(devices, device(0x2D60, "Headset", 10)));
    EXPECT_TRUE(announceDevice(devices, device(0x2D51, "Keyboard Pro", 100)));
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_STREQ(devices[0].Name, "Keyboard Pro");
    EXPECT_EQ(devices[0].Cpi[0], 100);
    EXPECT_EQ(devices[1].Pid, 0x2D60);
}

TEST_F(DeviceListTest, TheListIsBounded)
{
    ParleyDeviceList devices;
    for (int i = 0; i < kMaxParleyDevices; ++i)
        ASSERT_TRUE(announceDevice(devices, device(static_cast<std::uint16_t>(i), "d", 0)));
    EXPECT_FALSE(announceDevice(devices, device(0xFFFF, "one too many", 0)));
    EXPECT_TRUE(announceDevice(devices, device(3, "known", 0)));
    EXPECT_EQ(devices.size(), static_cast<std::size_t>(kMaxParleyDevices));
}

TEST_F(DeviceListTest, FileRoundTripsAndIsRewrittenWhole)
{
    ParleyDeviceList devices = {device(0x2D51, "Keyboard", -4), device(0x2D60, "Nineteen characters", 8)};
    ASSERT_TRUE(writeDeviceList(folder, devices));
    const std::string text = test::readFile(folder.deviceInfoIni());
    EXPECT_NE(text.find("[Setting]\r\nCount=2\r\n\r\n[Device0]\r\nVID=7805\r\nPID=11601\r\nName=Keyboard\r\n"
                        "CPI 0=-4\r\nCPI 1=-3\r\n"),
              std::string::npos)
        << text;

    const ParleyDeviceList read = readDeviceList(folder);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_TRUE(sameDevice(read[0], devices[0]));
    EXPECT_TRUE(sameDevice(read[1], devices[1]));

    ASSERT_TRUE(writeDeviceList(folder, {}));
    EXPECT_EQ(test::readFile(folder.deviceInfoIni()), "[Setting]\r\nCount=0\r\n");
    EXPECT_TRUE(readDeviceList(folder).empty());
}

TEST_F(DeviceListTest, BadCountsAndValuesStayInsideTheRecords)
{
    EXPECT_TRUE(readDeviceList(folder).empty()) << "missing file";

    test::writeFile(folder.deviceInfoIni(), "[Setting]\r\nCount=-3\r\n");
    EXPECT_TRUE(readDeviceList(folder).empty());

    test::writeFile(folder.deviceInfoIni(),
                    "[Setting]\r\nCount=2000000000\r\n[Device0]\r\nVID=70000\r\nPID=-1\r\nName=" +
                        std::string(40, 'x') + "\r\n");
    const ParleyDeviceList devices = readDeviceList(folder);
    ASSERT_EQ(devices.size(), static_cast<std::size_t>(kMaxParleyDevices));
    EXPECT_EQ(devices[0].Vid, 70000 & 0xFFFF);
    EXPECT_EQ(devices[0].Pid, 0xFFFF);
    EXPECT_EQ(std::string(devices[0].Name), std::string(19, 'x'));
    EXPECT_EQ(devices[1].Pid, 0);
}

}  // namespace
}  // namespace settings
