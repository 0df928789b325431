// zuroctl: the mouse's settings from a terminal or a script, through the same
// application core as the configuration application.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "ExitStatus.h"
#include "option/core/EditorsLock.h"
#include "option/core/StartUp.h"
#include "platform/windows/EventLoop.h"
#include "settings/InstallFolder.h"

namespace {

using zuroctl::Arguments;

constexpr char kUsage[] =
    "usage: zuroctl COMMAND\n"
    "  status                                  monitor, mouse, input injector, firmware, active profile\n"
    "  show [PROFILE] [--keys | --json]        a profile (0-4) at a glance; --keys every field\n"
    "                                          and button slot as KEY=VALUE, --json as JSON\n"
    "  set [--profile N] KEY=VALUE...          fields by their INI keys, applied together\n"
    "  button [--profile N] SLOT FUNCTION...   a caption or code, shortcut KEYS, launch PATH,\n"
    "                                          macro SET NAME, timer NAME, parley DEVICE [lock],\n"
    "                                          pinpoint LEVEL\n"
    "  profile select N                        make profile N the active one\n"
    "  profile import FILE [--slot N]          load a .vmp file into a profile slot\n"
    "  profile export [--slot N] FILE          save a profile slot to a .vmp file\n"
    "  reset                                   restore every default\n"
    "  stats [--reset]                         usage counters and trophies\n"
    "  macro list | timer list                 the macro and timer stores\n"
    "Without --profile or --slot a command works on the active profile.\n"
    "Without the monitor, changes are saved and sent to the mouse when the monitor starts.\n"
    "Exit status: 0 done, 1 value refused (nothing written), 2 usage error, 3 file error,\n"
    "4 saved but not taken by the mouse (absent or refusing; sent again when it is back).\n";

int usageError(const std::string& message)
{
    std::fprintf(stderr, "zuroctl: %s\n%s", message.c_str(), kUsage);
    return zuroctl::kUsageError;
}

std::optional<int> parseNumber(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Takes "NAME VALUE" out of the arguments. False when NAME has no number after it.
bool takeNumberOption(Arguments& arguments, const std::string& name, std::optional<int>& value)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != name)
            continue;
        if (i + 1 >= arguments.size() || !(value = parseNumber(arguments[i + 1])))
            return false;
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        return true;
    }
    return true;
}

bool takeFlag(Arguments& arguments, const std::string& name)
{
    for (std::size_t i = 0; i < arguments.size(); ++i)
        if (arguments[i] == name) {
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    return false;
}

bool hasOption(const Arguments& arguments)
{
    for (const std::string& argument : arguments)
        if (argument.starts_with("--"))
            return true;
    return false;
}

int runProfileCommand(option::core::ApplicationCore& core, Arguments arguments)
{
    if (arguments.empty())
        return usageError("profile needs select, import or export");
    const std::string action = arguments.front();
    arguments.erase(arguments.begin());
    std::optional<int> slot;
    if (!takeNumberOption(arguments, "--slot", slot) || hasOption(arguments) || arguments.size() != 1)
        return usageError("wrong arguments for profile " + action);
    if (action == "select") {
        const std::optional<int> profile = parseNumber(arguments[0]);
        if (!profile || slot)
            return usageError("profile select needs a number");
        return zuroctl::runProfileSelect(core, *profile);
    }
    if (action == "import")
        return zuroctl::runProfileImport(core, slot, arguments[0]);
    if (action == "export")
        return zuroctl::runProfileExport(core, slot, arguments[0]);
    return usageError("unknown profile action " + action);
}

int runCommand(const std::string& command, Arguments arguments)
{
    if (command == "help" || command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return zuroctl::kSuccess;
    }
    static const std::vector<std::string> kCommands = {"status", "show", "set", "button", "profile",
                                                       "reset", "stats", "macro", "timer"};
    if (std::find(kCommands.begin(), kCommands.end(), command) == kCommands.end())
        return usageError("unknown command " + command);

    // Every command copies the block in and may write it back: one at a time.
    const option::core::EditorsLock editors;
    option::core::ApplicationCore core(settings::InstallFolder::ofProgram());
    option::core::startUp(core);

    std::optional<int> profile;
    if (command == "status" && arguments.empty())
        return zuroctl::runStatus(core);
    if (command == "show") {
        const bool json = takeFlag(arguments, "--json");
        const bool keys = takeFlag(arguments, "--keys");
        if ((json && keys) || hasOption(arguments) || arguments.size() > 1 ||
            (arguments.size() == 1 && !(profile = parseNumber(arguments[0]))))
            return usageError("show takes a profile number and --keys or --json");
        return zuroctl::runShow(core, profile,
                                json ? zuroctl::ShowFormat::Json
                                     : keys ? zuroctl::ShowFormat::Keys : zuroctl::ShowFormat::Summary);
    }
    if (command == "set") {
        if (!takeNumberOption(arguments, "--profile", profile) || hasOption(arguments))
            return usageError("set takes --profile N and KEY=VALUE");
        return zuroctl::runSet(core, profile, arguments);
    }
    if (command == "button") {
        if (!takeNumberOption(arguments, "--profile", profile) || arguments.size() < 2)
            return usageError("button needs SLOT and FUNCTION");
        const std::optional<int> slot = parseNumber(arguments[0]);
        if (!slot)
            return usageError("SLOT must be a number");
        return zuroctl::runButton(core, profile, *slot, Arguments(arguments.begin() + 1, arguments.end()));
    }
    if (command == "profile")
        return runProfileCommand(core, arguments);
    if (command == "reset" && arguments.empty())
        return zuroctl::runReset(core);
    if (command == "stats") {
        const bool reset = takeFlag(arguments, "--reset");
        if (!arguments.empty())
            return usageError("stats takes only --reset");
        return zuroctl::runStats(core, reset);
    }
    if (command == "macro" && arguments == Arguments{"list"})
        return zuroctl::runMacroList(core);
    if (command == "timer" && arguments == Arguments{"list"})
        return zuroctl::runTimerList(core);
    return usageError("wrong arguments for " + command);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usageError("no command");
    // The message layer that reaches the monitor's window needs the application object.
    platform::ensureEventLoopApplication(argc, argv);
    return runCommand(argv[1], Arguments(argv + 2, argv + argc));
}
