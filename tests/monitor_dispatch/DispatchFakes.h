#pragma once
// The dispatcher between the recording fakes of the monitor and the host
// functions, for the tests.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "monitor/dispatch/EventWord.h"
#include "monitor/dispatch/InterDeviceKey.h"
#include "monitor/dispatch/MouseEventDispatcher.h"
#include "monitor/dispatch/ParleyMessages.h"
#include "settings/FunctionCodes.h"
#include "tests/monitor_dispatch/RecordingDispatchFakes.h"
#include "tests/settings/TempFolder.h"

namespace monitor::dispatch::test {

class DispatcherTest : public ::testing::Test {
protected:
    DispatcherTest()
    {
        settings::SettingsBlock& block = *monitor.blockData;
        block.CurrentProfile = 0;
        for (settings::ProfileRecord& profile : block.Profiles) {
            for (int i = 0; i < settings::kCpiLevelCount; ++i) profile.CpiLevel_X[i] = 4 * (i + 1);  // 400-2000 CPI
            profile.Sensitivity = 6;
            profile.Sensitivity_X = 6;
            profile.Sensitivity_Y = 6;
        }
    }

    settings::ProfileRecord& profile(int index) { return monitor.blockData->Profiles[index]; }
    void send(std::uint16_t type, std::uint16_t value)
    {
        dispatcher.onDeviceEvent((static_cast<std::uint32_t>(type) << 16) | value);
    }
    static std::uint16_t value(std::uint8_t low, std::uint8_t high)
    {
        return static_cast<std::uint16_t>(low | (high << 8));
    }

    settings::test::TempFolder folder;
    Journal journal;
    FakeMonitor monitor{journal, folder.path()};
    FakeHost host{journal};
    MouseEventDispatcher dispatcher{monitor, host};
};

}  // namespace monitor::dispatch::test
