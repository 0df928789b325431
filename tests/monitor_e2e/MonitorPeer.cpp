// The other programs around the monitor, for its end-to-end tests:
//
//   monitor_peer window TITLE        a window of that title (the configuration
//                                    application's, the OSD's, Parley's) that prints
//                                    each message it gets as "message N W L" and
//                                    each copy-data as "copydata DWDATA HEX"; it
//                                    prints "ready H" once it exists and ends on
//                                    WM_CLOSE after printing "close".
//   monitor_peer parley-takeover     a Parley window that announces itself to the
//                                    monitor (status command 6), then prints as above.
//   monitor_peer apply FOLDER [--defaults] EDIT...
//                                    the configuration application's Apply: opens the
//                                    section under the lock, edits the block, sets the
//                                    change flags, copies it out, saves the files and
//                                    sends the apply request; prints "applied R MS".
//        EDIT: cpi:P:L:V             CPI level L of profile P = V
//              activecpi:L:V         CPI level L of the active profile = V
//              dblclick:V            double-click time of the active profile = V
//              discontrol:V          the Padtune level = V
//              macro:P:S:N           slot S of profile P becomes a macro of N events
//   monitor_peer publish EDIT...     edits the section's block under the lock and
//                                    nothing else: no flags, no files, no request.
//   monitor_peer read                prints "block CURRENTPROFILE CPI0..CPI4" of the
//                                    section's active profile.
//   monitor_peer register PID NAME [SIZE]
//                                    Parley registration copy-data of SIZE bytes (64).
//   monitor_peer send MSG W L        sendMessage to the monitor, prints "result R".
//   monitor_peer post MSG W L

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "messages/MessageNumbers.h"
#include "monitor/app/SharedBlock.h"
#include "platform/windows/EventLoop.h"
#include "platform/windows/MessageWindow.h"
#include "settings/ChangeFlags.h"
#include "settings/ConfigFile.h"

namespace {

class PrintingWindow final : public platform::MessageHandler {
public:
    platform::LResult onMessage(platform::MessageId message, platform::WParam wParam, platform::LParam lParam) override
    {
        if (message == platform::WM_CLOSE) {
            std::printf("close\n");
            std::fflush(stdout);
            platform::quitEventLoop(0);
            return 0;
        }
        std::printf("message %u %llu %lld\n", message, static_cast<unsigned long long>(wParam),
                    static_cast<long long>(lParam));
        std::fflush(stdout);
        return 0;
    }

    platform::LResult onCopyData(platform::WindowHandle sender, std::uint32_t dwData, const std::uint8_t* data,
                                 std::size_t size) override
    {
        std::printf("copydata %u %08X ", sender, dwData);
        for (std::size_t i = 0; i < size; ++i)
            std::printf("%02X", data[i]);
        std::printf("\n");
        std::fflush(stdout);
        return 1;
    }
};

platform::WindowHandle monitorWindow()
{
    return platform::findWindow(messages::kMonitorWindowTitle);
}

int runWindow(const std::string& title, bool announceToMonitor)
{
    PrintingWindow handler;
    const std::unique_ptr<platform::MessageWindow> window = platform::MessageWindow::create(title, handler);
    if (!window)
        return 2;
    std::printf("ready %u\n", window->handle());
    std::fflush(stdout);
    if (announceToMonitor)
        platform::postMessage(monitorWindow(), messages::kParleyStatus, messages::parley_command::kTakeOver,
                              window->handle());
    return platform::runEventLoop();
}

bool applyEdit(settings::SettingsBlock& block, const std::string& edit)
{
    int profile = 0, first = 0, second = 0;
    if (std::sscanf(edit.c_str(), "cpi:%d:%d:%d", &profile, &first, &second) == 3) {
        if (!settings::isValidProfileIndex(profile) || first < 0 || first > 4)
            return false;
        block.Profiles[profile].CpiLevel_X[first] = second;
        return true;
    }
    if (std::sscanf(edit.c_str(), "activecpi:%d:%d", &first, &second) == 2) {
        settings::ProfileRecord* active = settings::activeProfile(block);
        if (!active || first < 0 || first > 4)
            return false;
        active->CpiLevel_X[first] = second;
        return true;
    }
    if (std::sscanf(edit.c_str(), "dblclick:%d", &second) == 1) {
        settings::ProfileRecord* active = settings::activeProfile(block);
        if (!active)
            return false;
        active->DbleClickSpeed = second;
        return true;
    }
    if (std::sscanf(edit.c_str(), "discontrol:%d", &second) == 1) {
        block.DisControl = second;
        return true;
    }
    if (std::sscanf(edit.c_str(), "macro:%d:%d:%d", &profile, &first, &second) == 3) {
        if (!settings::isValidProfileIndex(profile) || !settings::isValidButtonSlot(first) || second < 0 ||
            second > settings::kMaxMacroEvents)
            return false;
        settings::ButtonAssignment& slot = block.Profiles[profile].MacroKeyInfo[first];
        slot.FunctionCode = 48;
        std::snprintf(slot.MacroName, sizeof slot.MacroName, "Macro %d", first);
        slot.MacroLoopCount = 1;
        slot.MacroEventCount = static_cast<std::uint16_t>(second);
        for (int i = 0; i < second; ++i) {
            slot.MacroEvents[i].Key = static_cast<std::uint8_t>(4 + i % 26);
            slot.MacroEvents[i].Action = static_cast<std::uint8_t>(i % 2);
            slot.MacroEvents[i].DelayMs = static_cast<std::uint16_t>(10 + i);
        }
        // As the button page does: the slot's flag marks the change.
        block.ButtonChangedFlags[profile * settings::kButtonSlotCount + first] = 1;
        return true;
    }
    return false;
}

int runApply(const std::string& folder, const std::vector<std::string>& arguments)
{
    monitor::app::SharedBlock shared;
    if (!shared.open())
        return 3;
    auto before = std::make_unique<settings::SettingsBlock>();
    if (!shared.copyIn(*before))
        return 4;
    settings::clearChangeFlags(*before);
    auto after = std::make_unique<settings::SettingsBlock>(*before);
    platform::WParam request = messages::kApplyChanges;
    for (const std::string& argument : arguments) {
        if (argument == "--defaults")
            request = messages::kApplyDefaultsRestored;
        else if (!applyEdit(*after, argument))
            return 5;
    }
    settings::computeChangeFlags(*before, *after);
    if (!shared.copyOut(*after))
        return 6;
    settings::saveAll(*after, settings::InstallFolder(folder));
    const auto start = std::chrono::steady_clock::now();
    const platform::LResult result = platform::sendMessage(monitorWindow(), messages::kApplyRequest, request, 0);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("applied %lld %lld\n", static_cast<long long>(result), static_cast<long long>(elapsed.count()));
    return 0;
}

int runPublish(const std::vector<std::string>& edits)
{
    monitor::app::SharedBlock shared;
    if (!shared.open())
        return 3;
    auto block = std::make_unique<settings::SettingsBlock>();
    if (!shared.copyIn(*block))
        return 4;
    for (const std::string& edit : edits)
        if (!applyEdit(*block, edit))
            return 5;
    return shared.copyOut(*block) ? 0 : 6;
}

int runRead()
{
    monitor::app::SharedBlock shared;
    if (!shared.open())
        return 3;
    auto block = std::make_unique<settings::SettingsBlock>();
    if (!shared.copyIn(*block))
        return 4;
    const settings::ProfileRecord* active = settings::activeProfile(*block);
    std::printf("block %d", block->CurrentProfile);
    for (int i = 0; i < 5; ++i)
        std::printf(" %d", active ? active->CpiLevel_X[i] : -1);
    std::printf("\n");
    return 0;
}

int runRegister(unsigned productId, const std::string& name, std::size_t size)
{
    std::vector<std::uint8_t> payload(size, 0);
    messages::ParleyRegistrationPayload wire{};
    wire.VendorId = 0x1E7D;
    wire.ProductId = static_cast<std::uint16_t>(productId);
    for (std::size_t i = 0; i < name.size() && i < 20; ++i)
        wire.Name[i] = static_cast<unsigned char>(name[i]);
    for (int i = 0; i < 5; ++i)
        wire.Cpi[i] = static_cast<std::int32_t>((i + 1) * 400 + productId % 100);
    std::memcpy(payload.data(), &wire, std::min(size, sizeof wire));
    const platform::LResult result =
        platform::sendCopyData(monitorWindow(), 0, 0, payload.data(), payload.size());
    std::printf("result %lld\n", static_cast<long long>(result));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    platform::ensureEventLoopApplication(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "window")
        return runWindow(args[1], false);
    if (args.size() == 1 && args[0] == "parley-takeover")
        return runWindow("Fake Parley", true);
    if (args.size() >= 2 && args[0] == "apply")
        return runApply(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    if (args.size() >= 1 && args[0] == "publish")
        return runPublish(std::vector<std::string>(args.begin() + 1, args.end()));
    if (args.size() == 1 && args[0] == "read")
        return runRead();
    if (args.size() >= 3 && args[0] == "register")
        return runRegister(static_cast<unsigned>(std::strtoul(args[1].c_str(), nullptr, 0)), args[2],
                           args.size() > 3 ? std::strtoul(args[3].c_str(), nullptr, 0) : 64);
    if (args.size() == 4 && (args[0] == "send" || args[0] == "post")) {
        const auto message = static_cast<platform::MessageId>(std::strtoul(args[1].c_str(), nullptr, 0));
        const auto wParam = std::strtoull(args[2].c_str(), nullptr, 0);
        const auto lParam = std::strtoll(args[3].c_str(), nullptr, 0);
        if (args[0] == "post")
            return platform::postMessage(monitorWindow(), message, wParam, lParam) ? 0 : 1;
        std::printf("result %lld\n", static_cast<long long>(platform::sendMessage(monitorWindow(), message, wParam, lParam)));
        return 0;
    }
    std::fprintf(stderr, "monitor_peer: unknown command\n");
    return 2;
}
