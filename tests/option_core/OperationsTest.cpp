// The application's operations without a monitor: start-up from the files, Apply
// writing them, button assignment, profile files, reset and statistics.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "CoreTestFolder.h"
#include "messages/MessageNumbers.h"
#include "option/core/ApplyChanges.h"
#include "option/core/ButtonEditing.h"
#include "option/core/EditorsLock.h"
#include "option/core/FirmwareVersionText.h"
#include "option/core/ProfileEditing.h"
#include "option/core/ProfileFiles.h"
#include "option/core/ResetDefaults.h"
#include "option/core/StatisticsReset.h"
#include "platform/ini/PrivateProfile.h"
#include "platform/keyboard/KeyboardLayout.h"
#include "platform/shared/NamedLock.h"
#include "platform/shared/SharedSection.h"
#include "platform/windows/EventLoop.h"
#include "platform/windows/MessageWindow.h"
#include "settings/ConfigFile.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/PendingChanges.h"
#include "settings/ShortcutKey.h"

namespace option::core::test {
namespace {

using settings::SettingsBlock;

class UsLayout final : public platform::KeyboardLayout {
public:
    std::string keyText(std::uint8_t usage) const override { return platform::usKeyText(usage); }
};

class Operations : public ::testing::Test {
protected:
    void storeMacroAndTimer()
    {
        settings::MacroStore store;
        settings::MacroSet set{"Games", {}, settings::MacroChangeMark::Added};
        settings::MacroRecord macro;
        settings::setFieldText(macro.Name, "Reload");
        macro.LoopCount = 2;
        macro.EventCount = 3;
        macro.Events[2].Key = 0x15;
        set.macros.push_back(macro);
        store.sets.push_back(set);
        ASSERT_TRUE(settings::saveMacroStore(store, settings::InstallFolder(folder.path()).macroStoreFile()));
        settings::TimerRecord timer;
        timer.Seconds = 90;
        settings::setFieldText(timer.Name, "Tea");
        ASSERT_TRUE(settings::saveTimerStore({timer}, settings::InstallFolder(folder.path()).timerStoreFile()));
    }

    bool assign(ApplicationCore& core, int profile, int slot, const std::vector<std::string>& words)
    {
        settings::FunctionChoice choice;
        refusal.clear();
        return parseFunctionChoice(core, words, layout, choice, refusal) &&
               assignButton(core, profile, slot, choice, refusal);
    }

    CoreTestFolder folder;
    UsLayout layout;
    std::string refusal;
};

TEST_F(Operations, WithoutMonitorOrFilesStartUpGivesDefaultsAndApplyWritesTheFiles)
{
    SettingsSource source{};
    auto core = folder.startCore(&source);
    EXPECT_EQ(source, SettingsSource::Files) << "no config.ini: every slot gets its default profile";
    EXPECT_FALSE(core->monitorPresent);
    ASSERT_EQ(core->blocks.working->Profiles[0].CpiLevel_X[2], 16);

    ASSERT_TRUE(setSettingField(*core->blocks.working, 1, "CpiLevel_X2", "22", refusal));
    const ApplyOutcome outcome = applyChanges(*core, 0);
    EXPECT_TRUE(outcome.filesWritten);
    EXPECT_FALSE(outcome.copiedOut);
    EXPECT_EQ(outcome.result, ApplyResult::NoMonitor);
    EXPECT_TRUE(outcome.markedPending);
    EXPECT_TRUE(settings::hasPendingChanges(settings::InstallFolder(folder.path())))
        << "the next monitor start sends the files to the mouse instead of overwriting them";
    EXPECT_EQ(core->blocks.working->ProfileChangedFlags[1], 0) << "flags are cleared after the apply";
    EXPECT_EQ(std::memcmp(core->blocks.working.get(), core->blocks.applied.get(), sizeof(SettingsBlock)), 0);

    auto again = folder.startCore(&source);
    EXPECT_EQ(source, SettingsSource::Files);
    EXPECT_EQ(again->blocks.working->Profiles[1].CpiLevel_X[2], 22);
}

TEST_F(Operations, ButtonsTakeWhatTheirMenusOfferAndNothingElse)
{
    storeMacroAndTimer();
    auto core = folder.startCore();
    settings::ProfileRecord& profile = core->blocks.working->Profiles[2];

    ASSERT_TRUE(assign(*core, 2, 7, {"macro", "games", "RELOAD"})) << refusal;
    EXPECT_EQ(profile.MacroKeyInfo[7].FunctionCode, settings::kFunctionMacro);
    EXPECT_EQ(profile.MacroKeyInfo[7].MacroEventCount, 3);
    EXPECT_EQ(profile.MacroKeyInfo[7].MacroEvents[2].Key, 0x15);
    EXPECT_EQ(core->blocks.working->ButtonChangedFlags[2 * 24 + 7], 1);

    ASSERT_TRUE(assign(*core, 2, 8, {"timer", "tea"})) << refusal;
    EXPECT_EQ(profile.MacroKeyInfo[8].TimerValue, 90);
    ASSERT_TRUE(assign(*core, 2, 9, {"shortcut", "Ctrl+Alt+T"})) << refusal;
    EXPECT_EQ(settings::shortcutKey(profile.MacroKeyInfo[9]), 0x17);
    EXPECT_EQ(settings::shortcutModifiers(profile.MacroKeyInfo[9]), settings::kShortcutCtrl | settings::kShortcutAlt);
    ASSERT_TRUE(assign(*core, 2, 10, {"launch", "/usr/bin/xterm"})) << refusal;
    EXPECT_EQ(std::string(profile.MacroKeyInfo[10].ProgramPath), "/usr/bin/xterm");
    ASSERT_TRUE(assign(*core, 2, 2, {"disabled"})) << refusal;
    EXPECT_EQ(profile.MacroKeyInfo[2].FunctionCode, settings::kFunctionDisabled);
    ASSERT_TRUE(assign(*core, 2, 2, {"DPI", "Up"})) << refusal;
    EXPECT_EQ(profile.MacroKeyInfo[2].FunctionCode, settings::kFunctionDpiUp);
    ASSERT_TRUE(assign(*core, 2, 2, {"pinpoint", "4"})) << refusal;
    EXPECT_EQ(profile.MacroKeyInfo[2].FunctionCode, settings::kFunctionPinpointLast);

    // Dualkey on slot 3 frees its partner 15, which then takes nothing.
    ASSERT_TRUE(assign(*core, 2, 3, {"65"})) << refusal;
    EXPECT_EQ(profile.MacroKeyInfo[15].FunctionCode, settings::kFunctionFree);
    EXPECT_FALSE(assign(*core, 2, 15, {"Disabled"}));
    EXPECT_NE(refusal.find("Dualkey"), std::string::npos) << refusal;

    const auto before = std::make_unique<SettingsBlock>(*core->blocks.working);
    EXPECT_FALSE(assign(*core, 2, 12, {"pinpoint", "0"}));
    EXPECT_NE(refusal.find("slots 2 to 11"), std::string::npos) << refusal;
    EXPECT_FALSE(assign(*core, 2, 7, {"65"}));
    EXPECT_NE(refusal.find("slots 3 and 4"), std::string::npos) << refusal;
    for (int slot : {0, 1, 5, 6, 11, 17, 18, 23, 24}) {
        EXPECT_FALSE(assign(*core, 2, slot, {"Disabled"})) << slot;
        EXPECT_NE(refusal.find("SLOT " + std::to_string(slot)), std::string::npos) << refusal;
    }
    EXPECT_FALSE(assign(*core, 2, 7, {"macro", "Games", "Missing"}));
    EXPECT_FALSE(assign(*core, 2, 7, {"timer", "Coffee"}));
    EXPECT_FALSE(assign(*core, 2, 7, {"5"})) << "a shortcut needs its keys";
    EXPECT_FALSE(assign(*core, 2, 7, {"shortcut", "Ctrl+Nokey"}));
    EXPECT_FALSE(assign(*core, 2, 7, {"No Such Function"}));
    EXPECT_EQ(std::memcmp(before.get(), core->blocks.working.get(), sizeof(SettingsBlock)), 0);
}

TEST_F(Operations, ProfileFilesLoadIntoTheSlotAndSaveWithTheirCopies)
{
    auto core = folder.startCore();
    ASSERT_TRUE(setSettingField(*core->blocks.working, 1, "ProFileName", "Shooter", refusal));
    ASSERT_TRUE(setSettingField(*core->blocks.working, 1, "PollingRate", "1", refusal));
    std::filesystem::create_directories(folder.path() + "elsewhere");
    const std::string exported = folder.path() + "elsewhere/Shooter.vmp";
    settings::test::writeFile(exported, "stale");
    std::string error;
    ASSERT_TRUE(saveSlotToProfileFile(*core, 1, exported, error)) << error;
    EXPECT_TRUE(std::filesystem::exists(folder.path() + "config/Shooter.vmp"));
    EXPECT_EQ(platform::ini::readString(folder.path() + "config.ini", "Profile2", "FileName"), "Shooter");
    EXPECT_EQ(settings::test::readFile(exported).find("stale"), std::string::npos);

    ASSERT_TRUE(loadProfileIntoEditedSlot(*core, 4, exported, error)) << error;
    EXPECT_TRUE(std::filesystem::exists(folder.path() + "Shooter.vmp"));
    EXPECT_EQ(std::string(core->blocks.working->Profiles[4].ProFileName), "Shooter");
    EXPECT_EQ(core->blocks.working->Profiles[4].PollingRate, 1);
    for (int s = 0; s < 24; ++s)
        EXPECT_EQ(core->blocks.working->ButtonChangedFlags[4 * 24 + s], 1) << s;
    EXPECT_EQ(core->blocks.working->ButtonChangedFlags[3 * 24], 0);
    EXPECT_FALSE(loadProfileIntoEditedSlot(*core, 4, folder.path() + "missing.vmp", error));
}

TEST_F(Operations, WhatIsNotAProfileIsNeitherImportedNorCopiedAndOnlyRegularFilesAreExportedTo)
{
    auto core = folder.startCore();
    const auto before = std::make_unique<SettingsBlock>(*core->blocks.working);
    settings::test::writeFile(folder.path() + "passwd", "root:x:0:0:root:/root:/bin/bash\n");
    const std::string fifo = folder.path() + "fifo.vmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directories(folder.path() + "folder.vmp");
    std::string error;
    for (const std::string name : {"passwd", "fifo.vmp", "folder.vmp", "missing.vmp"}) {
        EXPECT_FALSE(loadProfileIntoEditedSlot(*core, 2, folder.path() + name, error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
    EXPECT_NE(error.find("cannot be opened"), std::string::npos) << error;
    EXPECT_EQ(std::memcmp(before.get(), core->blocks.working.get(), sizeof(SettingsBlock)), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "passwd.vmp")) << "no copy in the program folder";

    for (const std::string name : {"fifo.vmp", "folder.vmp"}) {
        EXPECT_FALSE(saveSlotToProfileFile(*core, 2, folder.path() + name, error)) << name;
        EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    }
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "config/fifo.vmp"));
}

TEST_F(Operations, ResetRestoresDefaultsAndStatisticsResetKeepsTrophies)
{
    auto core = folder.startCore();
    core->blocks.working->InfoData.Counters[12] = 40;
    core->blocks.working->InfoData.TrophyFlags[3] = 1;
    core->blocks.working->InfoData.LastTrophy = 4;
    ASSERT_TRUE(setSettingField(*core->blocks.working, 0, "CpiLevel_X0", "30", refusal));
    applyChanges(*core, 0);

    core->blocks.working->InfoData.Counters[0] = 7;
    ASSERT_TRUE(setSettingField(*core->blocks.working, 0, "Sensitivity", "2", refusal));
    const StatisticsResetOutcome statistics = resetStatistics(*core);
    EXPECT_TRUE(statistics.written);
    EXPECT_FALSE(statistics.requestSent);
    for (const SettingsBlock* block : {core->blocks.working.get(), core->blocks.applied.get()}) {
        EXPECT_EQ(block->InfoData.Counters[0] + block->InfoData.Counters[12], 0);
        EXPECT_EQ(block->InfoData.TrophyFlags[3] * 10 + block->InfoData.LastTrophy, 14);
    }
    EXPECT_EQ(core->blocks.applied->Profiles[0].Sensitivity, 6) << "other edits wait for Apply";

    const ApplyOutcome reset = resetToDefaults(*core);
    EXPECT_TRUE(reset.filesWritten);
    auto again = folder.startCore();
    EXPECT_EQ(again->blocks.working->Profiles[0].CpiLevel_X[0], 4);
    EXPECT_EQ(again->blocks.working->Profiles[0].Sensitivity, 6);
    EXPECT_EQ(again->blocks.working->InfoData.TrophyFlags[3], 1);
}

// The monitor's side of an apply: its section, lock and window, answering the
// apply request as a monitor whose mouse did or did not take the change.
class FakeMonitor : public platform::MessageHandler {
public:
    FakeMonitor()
    {
        static int argc = 1;
        static char name[] = "option_core_test";
        static char* argv[] = {name, nullptr};
        platform::ensureEventLoopApplication(argc, argv);
        lock = platform::NamedLock::create(messages::kSettingsLockName);
        section = platform::SharedSection::create(messages::kSharedSectionName, settings::kSettingsBlockSize);
        window = platform::MessageWindow::create(messages::kMonitorWindowTitle, *this);
    }
    platform::LResult onMessage(platform::MessageId message, platform::WParam wParam, platform::LParam) override
    {
        if (message != messages::kApplyRequest)
            return 0;
        requests.push_back(wParam);
        std::memcpy(received.get(), section->data(), sizeof(SettingsBlock));
        return answer;
    }

    platform::LResult answer = messages::kApplyTaken;
    std::vector<platform::WParam> requests;
    std::unique_ptr<SettingsBlock> received = std::make_unique<SettingsBlock>();
    std::unique_ptr<platform::NamedLock> lock;
    std::unique_ptr<platform::SharedSection> section;
    std::unique_ptr<platform::MessageWindow> window;
};

TEST_F(Operations, TheMonitorsAnswerTellsWhetherTheMouseTookTheChangeAndOnlyATakenOneIsUnmarked)
{
    FakeMonitor monitor;
    ASSERT_TRUE(monitor.lock && monitor.section && monitor.window);
    const settings::InstallFolder install(folder.path());
    for (const platform::LResult answer : {messages::kApplyTaken, messages::kApplyNotTaken}) {
        ASSERT_TRUE(settings::clearPendingChanges(install));
        monitor.answer = answer;
        const EditorsLock editors;
        EXPECT_TRUE(editors.held());
        auto core = folder.startCore();
        ASSERT_TRUE(core->monitorPresent);
        ASSERT_TRUE(setSettingField(*core->blocks.working, 4, "PollingRate", std::to_string(answer), refusal));
        const ApplyOutcome outcome = answer == messages::kApplyTaken ? applyChanges(*core, 0) : resetToDefaults(*core);
        EXPECT_TRUE(outcome.copiedOut && outcome.filesWritten);
        const bool taken = answer == messages::kApplyTaken;
        EXPECT_EQ(outcome.result, taken ? ApplyResult::Taken : ApplyResult::NotTaken);
        EXPECT_EQ(settings::hasPendingChanges(install), !taken);
        ASSERT_EQ(monitor.requests.back(), taken ? messages::kApplyChanges : messages::kApplyDefaultsRestored);
        EXPECT_EQ(monitor.received->ProfileChangedFlags[4], 1) << "the block the request handed over";
    }
    EXPECT_EQ(monitor.received->Profiles[4].PollingRate, 3) << "the reset";
}

TEST(FirmwareVersionText, ShowsOneHundredToFiveHundredWithAPoint)
{
    EXPECT_EQ(firmwareVersionText(107), "1.07");
    EXPECT_EQ(firmwareVersionText(100), "1.00");
    EXPECT_EQ(firmwareVersionText(500), "5.00");
    EXPECT_EQ(firmwareVersionText(99), "N/A");
    EXPECT_EQ(firmwareVersionText(501), "N/A");
    EXPECT_EQ(firmwareVersionText(0), "N/A");
}

}  // namespace
}  // namespace option::core::test
