// What the main window shows of the slots, which texts its controls take, the
// language choice, and how the monitor's notices reach the two blocks.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "CoreTestFolder.h"
#include "messages/MessageNumbers.h"
#include "option/core/LanguageChoice.h"
#include "option/core/MainWindowTexts.h"
#include "option/core/MonitorNotices.h"
#include "option/core/ProfileFiles.h"
#include "option/core/SlotDisplay.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/MainWindowLayout.h"
#include "platform/shared/NamedLock.h"
#include "platform/shared/SharedSection.h"
#include "settings/BlockDefaults.h"
#include "settings/FixedText.h"
#include "settings/ProfileFile.h"

namespace option::core::test {
namespace {

using settings::SettingsBlock;

TEST(SlotDisplayRules, SlotsMarkedOnlyByIndicesInRange)
{
    const auto block = std::make_unique<SettingsBlock>();
    settings::createDefaultBlock(*block, 1);
    block->CurrentProfile = 2;
    block->WindowsProfile = 4;
    settings::setFieldText(block->Profiles[2].ProFileName, "Shooter");
    auto slots = slotDisplays(*block);
    EXPECT_TRUE(slots[2].current && slots[4].windowsProfile);
    EXPECT_EQ(slots[2].name, "Shooter");
    EXPECT_FALSE(markerClickNeedsConfirmation(*block, 4)) << "clearing the Windows profile asks nothing";
    EXPECT_TRUE(markerClickNeedsConfirmation(*block, 1));

    block->CurrentProfile = 7;
    block->WindowsProfile = -9;
    slots = slotDisplays(*block);
    for (const SlotDisplay& slot : slots)
        EXPECT_FALSE(slot.current || slot.windowsProfile);
    EXPECT_EQ(profileIdentity(*block, 5).gameFiles.size(), 3u) << "a slot outside 0-4 gives empty fields";
}

TEST(LanguageRules, PickerRowsAndOutOfRangeIndices)
{
    const auto block = std::make_unique<SettingsBlock>();
    block->QuickHelpLan = 3;
    EXPECT_FALSE(chooseLanguage(*block, 17) || chooseLanguage(*block, -1));
    EXPECT_EQ(block->QuickHelpLan, 3);
    EXPECT_TRUE(chooseLanguage(*block, 16));
    EXPECT_EQ(block->QuickHelpLan, 16);
    EXPECT_EQ(shownLanguage(17), kEnglishLanguage);
}

TEST(MainWindowTextRules, EachControlOfTheLayoutTakesItsText)
{
    // Rows found by name, so a reordered layout table shows here.
    const auto textOf = [](std::string_view name) {
        std::size_t row = 0;
        while (row < std::size(layout::main_window::kControls) &&
               layout::parseLayoutEntry(layout::main_window::kControls[row].text)->name != name)
            ++row;
        return mainWindowStatusText(row);
    };
    EXPECT_EQ(textOf("Main").id, TextId::TabMain);
    EXPECT_EQ(textOf("Update").id, TextId::TabUpdate);
    EXPECT_EQ(textOf("Profile 5").id, TextId::ProfileSlot5);
    EXPECT_EQ(textOf("windows profile").id, TextId::WindowsProfileMarker);
    EXPECT_EQ(textOf("Profile 4 name").id, TextId::ProfileName4);
    EXPECT_EQ(textOf("Cancel").id, TextId::Cancel);
    EXPECT_EQ(textOf("Profile 1 Color").rule, StatusTextRule::Layout);
    EXPECT_EQ(textOf("button language").rule, StatusTextRule::Blank);
    EXPECT_EQ(mainWindowStatusText(15, true).id, TextId::WindowsProfileMarkerInner);

    const TextLibrary library = TextLibrary::parse("1003=Haupteinstellungen\n");
    EXPECT_EQ(statusTextOf({StatusTextRule::Table, TextId::TabMain}, library, "Main"), "Haupteinstellungen");
    EXPECT_EQ(statusTextOf({StatusTextRule::Table, TextId::Exit}, library, "Close"), "Close")
        << "a text the table lacks keeps the layout string's";
    EXPECT_EQ(withValues("Software %s   Firmware %s", {"1.07"}), "Software 1.07   Firmware ");
}

// The monitor's section and lock, made as the monitor makes them.
class MonitorSection {
public:
    MonitorSection()
        : lock_(platform::NamedLock::create(messages::kSettingsLockName)),
          section_(platform::SharedSection::create(messages::kSharedSectionName, settings::kSettingsBlockSize))
    {
    }
    bool valid() const { return lock_ && section_; }
    SettingsBlock& block() { return *static_cast<SettingsBlock*>(section_->data()); }

private:
    std::unique_ptr<platform::NamedLock> lock_;
    std::unique_ptr<platform::SharedSection> section_;
};

class Notices : public ::testing::Test {
protected:
    void SetUp() override { core = folder.startCore(); }

    SettingsBlock& working() { return *core->blocks.working; }

    CoreTestFolder folder;
    std::unique_ptr<ApplicationCore> core;
};

TEST_F(Notices, WithoutTheMonitorsBlockTheUsersEditsStay)
{
    settings::setFieldText(working().Profiles[1].ProFileName, "Edited");
    EXPECT_FALSE(takeDeviceRead(*core).taken);
    EXPECT_FALSE(takeProfileSwitch(*core).taken);
    EXPECT_FALSE(takeCpiChange(*core).taken);
    EXPECT_EQ(settings::fieldText(working().Profiles[1].ProFileName), "Edited");
}

TEST_F(Notices, AMonitorStartedLaterIsFoundAndItsSwitchTaken)
{
    ASSERT_FALSE(core->monitorPresent);
    MonitorSection monitor;
    ASSERT_TRUE(monitor.valid());
    monitor.block() = working();
    monitor.block().CurrentProfile = 3;
    const NoticeOutcome outcome = takeProfileSwitch(*core);
    EXPECT_TRUE(outcome.taken && outcome.refreshAll && core->monitorPresent);
    EXPECT_EQ(working().CurrentProfile, 3);
    EXPECT_EQ(core->blocks.applied->CurrentProfile, 3);
}

TEST_F(Notices, ACpiChangeTakesTheMouseDrivenFieldsOfTheActiveProfileOnly)
{
    MonitorSection monitor;
    ASSERT_TRUE(monitor.valid());
    monitor.block() = working();
    monitor.block().CurrentProfile = 2;
    settings::ProfileRecord& mouse = monitor.block().Profiles[2];
    mouse.Cpi_X = mouse.Cpi_Y = 3;
    mouse.CpiLevel_X[4] = 40;
    mouse.PollingRate = 2;
    mouse.Sensitivity = 9;
    settings::setFieldText(mouse.ProFileName, "From the mouse");
    monitor.block().Profiles[0].Cpi_X = 4;
    working().Profiles[2].XYSynchronous = 1;
    settings::setFieldText(working().Profiles[2].ProFileName, "Edited");

    const NoticeOutcome outcome = takeCpiChange(*core);
    ASSERT_TRUE(outcome.taken);
    EXPECT_TRUE(outcome.refreshMainSettings && outcome.refreshAdvanced);
    const settings::ProfileRecord& shown = working().Profiles[2];
    EXPECT_EQ(shown.Cpi_X, 3);
    EXPECT_EQ(shown.Cpi_Y, 3);
    EXPECT_EQ(shown.CpiLevel_X[4], 40);
    EXPECT_EQ(shown.PollingRate, 2);
    EXPECT_EQ(shown.Sensitivity, 9);
    EXPECT_EQ(settings::fieldText(shown.ProFileName), "Edited") << "other edits stay";
    EXPECT_NE(working().Profiles[0].Cpi_X, 4) << "other profiles stay";

    monitor.block().CurrentProfile = 9;
    working().Profiles[2].Cpi_X = 1;
    EXPECT_FALSE(takeCpiChange(*core).taken) << "an active profile outside 0-4 names no profile";
    EXPECT_EQ(working().Profiles[2].Cpi_X, 1);
}

TEST_F(Notices, StatisticsAloneOrTheWholeBlockAfterARead)
{
    MonitorSection monitor;
    ASSERT_TRUE(monitor.valid());
    monitor.block() = working();
    monitor.block().InfoData.Counters[0] = 1234;
    monitor.block().ProfileChangedFlags[1] = 1;
    settings::setFieldText(monitor.block().Profiles[1].ProFileName, "Read");
    settings::setFieldText(working().Profiles[1].ProFileName, "Edited");

    ASSERT_TRUE(takeStatistics(*core).refreshStatistics);
    EXPECT_EQ(working().InfoData.Counters[0], 1234);
    EXPECT_EQ(settings::fieldText(working().Profiles[1].ProFileName), "Edited");

    const NoticeOutcome read = takeDeviceRead(*core);
    ASSERT_TRUE(read.taken && read.refreshAll);
    EXPECT_EQ(settings::fieldText(working().Profiles[1].ProFileName), "Read");
    EXPECT_EQ(working().ProfileChangedFlags[1], 0) << "a read carries no change flags";
}

TEST_F(Notices, ProfileFilesRefuseNonProfilesAndReplaceWholeFiles)
{
    const std::string stray = folder.path() + "notes.vmp";
    testsupport::writeFile(stray, "[Other]\nKey=1\n");
    const auto before = std::make_unique<SettingsBlock>(working());
    std::string error;
    EXPECT_FALSE(loadProfileIntoEditedSlot(*core, 1, stray, error));
    EXPECT_NE(error.find("not a profile file"), std::string::npos) << error;
    EXPECT_EQ(std::memcmp(before.get(), &working(), sizeof working()), 0) << "nothing changed";
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "notes.vmp.vmp"));

    const std::string target = folder.path() + "mine.vmp";
    testsupport::writeFile(target, "[Setting]\nStaleKey=7\n");
    ASSERT_TRUE(saveSlotToProfileFile(*core, 1, target, error)) << error;
    EXPECT_EQ(testsupport::readFile(target).find("StaleKey"), std::string::npos) << "the file holds the profile alone";
    settings::ProfileRecord saved;
    ASSERT_TRUE(settings::loadProfileFile(saved, target));
    EXPECT_EQ(std::memcmp(&saved, &working().Profiles[1], sizeof saved), 0);

    std::filesystem::create_directory(folder.path() + "folder.vmp");
    EXPECT_FALSE(saveSlotToProfileFile(*core, 1, folder.path() + "folder.vmp", error));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() + "folder.vmp"));
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().string().find(".saving-"), std::string::npos) << "no temporary file is left";
}

}  // namespace
}  // namespace option::core::test
