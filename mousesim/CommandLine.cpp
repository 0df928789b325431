#include "mousesim/CommandLine.h"

namespace mousesim {
namespace {

Invocation parseServe(std::span<const std::string> args)
{
    ServeOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--uhid") {
            options.uhid = true;
            continue;
        }
        if (++i >= args.size()) return UsageError{option + " expects a value"};
        const std::string& value = args[i];
        if (option == "--state") {
            options.stateFile = value;
        } else if (option == "--log") {
            options.logFile = value;
        } else if (option == "--vendor") {
            const auto vendor = parseNumber(value, 0xFFFF);
            if (!vendor) return UsageError{"--vendor expects a number from 0 to 0xFFFF"};
            options.vendorId = static_cast<std::uint16_t>(*vendor);
        } else {
            return UsageError{"unknown option: " + option};
        }
    }
    if (options.stateFile.empty() || options.logFile.empty())
        return UsageError{"serve needs --state FILE and --log FILE"};
    return options;
}

}  // namespace

const char* const kUsageText =
    "usage: mousesim serve --state FILE --log FILE [--vendor ID] [--uhid]\n"
    "       mousesim plug | unplug | status\n"
    "       mousesim press N | release N            (device button 0-17)\n"
    "       mousesim event CODE VALUE\n"
    "       mousesim input BYTE...                  (an input report as it is, hex bytes)\n"
    "       mousesim fault busy N | fail-set N | fail-get N | bad-checksum\n"
    "       mousesim fault unplug-after N | flash-fail-at N\n"
    "       mousesim wait-input-readers N [MS]\n";

Invocation parseCommandLine(std::span<const std::string> args)
{
    if (args.empty()) return UsageError{"no command"};
    if (args[0] == "serve") return parseServe(args.subspan(1));
    auto parsed = parseControlCommand(args);
    if (auto* error = std::get_if<UsageError>(&parsed)) return *error;
    return ControlInvocation{std::get<ControlCommand>(parsed), std::vector<std::string>(args.begin(), args.end())};
}

}  // namespace mousesim
