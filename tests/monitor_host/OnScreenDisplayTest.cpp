#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "monitor/host/OnScreenDisplay.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"

namespace monitor::host {
namespace {

struct RecordingWindows : WindowMessenger {
    std::map<std::string, platform::WindowHandle> titles;
    std::vector<std::string> posts;
    platform::WindowHandle findWindow(std::string_view title) override
    {
        const auto it = titles.find(std::string(title));
        return it == titles.end() ? 0 : it->second;
    }
    bool postMessage(platform::WindowHandle w, platform::MessageId m, platform::WParam wp, platform::LParam lp) override
    {
        posts.push_back(std::to_string(w) + ":" + std::to_string(m) + "," + std::to_string(wp) + "," +
                        std::to_string(lp));
        return true;
    }
};

class OnScreenDisplayTest : public ::testing::Test {
protected:
    RecordingWindows windows;
    std::vector<std::string> launched;
    std::vector<std::string> written;
    OnScreenDisplay display{settings::InstallFolder("inst/"), windows,
                            [this](const std::string& path, const std::vector<std::string>& arguments) {
                                launched.push_back(path + " " + std::to_string(arguments.size()));
                                return true;
                            },
                            [this](int number, std::string_view name) {
                                written.push_back(std::to_string(number) + " " + std::string(name));
                                return true;
                            }};
    std::unique_ptr<settings::SettingsBlock> block = std::make_unique<settings::SettingsBlock>();

    static settings::OsdSettings osd(std::uint32_t showNames, std::uint32_t a, std::uint32_t b)
    {
        settings::OsdSettings value;
        std::memcpy(&value.bytes[12], &showNames, 4);
        std::memcpy(&value.bytes[28], &a, 4);
        std::memcpy(&value.bytes[32], &b, 4);
        return value;
    }
};

TEST_F(OnScreenDisplayTest, MacroNameOnlyForMacroSlotsThreeToEightWhenEnabled)
{
    windows.titles[messages::kOsdWindowTitle] = 77;
    block->Profiles[0].MacroKeyInfo[5].FunctionCode = settings::kFunctionMacro;
    settings::setFieldText(block->Profiles[0].MacroKeyInfo[5].MacroName, "Reload");

    EXPECT_FALSE(display.showMacroName(*block, 8));  // names not enabled
    display.setSettings(osd(1, 0, 0));
    EXPECT_FALSE(display.showMacroName(*block, 9));
    EXPECT_FALSE(display.showMacroName(*block, 7));  // slot 4 holds no macro
    EXPECT_TRUE(display.showMacroName(*block, 8));
    EXPECT_EQ(written, (std::vector<std::string>{"5 Reload"}));
    EXPECT_EQ(windows.posts, (std::vector<std::string>{"77:1324,70,0"}));
}

TEST_F(OnScreenDisplayTest, LaunchReloadAndClose)
{
    EXPECT_TRUE(display.launch());
    EXPECT_EQ(launched, (std::vector<std::string>{"inst/ZuroVellMorrowOSD.exe 0"}));

    display.reloadSettings(osd(0, 0x12345, 7));  // no display window: nothing posted
    windows.titles[messages::kOsdWindowTitle] = 5;
    windows.titles["VANTRO Zuro Vell Lumic Noxa Edition CPU RAM"] = 6;
    display.reloadSettings(osd(0, 0x12345, 7));
    display.closeDisplayWindows();
    EXPECT_EQ(windows.posts, (std::vector<std::string>{"5:1326,0," + std::to_string(0x2345 * 65536 + 7), "5:16,0,0",
                                                       "6:16,0,0"}));
}

}  // namespace
}  // namespace monitor::host
