#pragma once
// The simulator's command line: `mousesim serve --state FILE --log FILE
// [--vendor ID] [--uhid]` runs the simulated mouse in the foreground, plugged
// in, on the virtual bus or, with --uhid, as a kernel HID device; every other
// form is one command for the running simulator (ControlCommand.h).

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "mousesim/ControlCommand.h"

namespace mousesim {

struct ServeOptions {
    std::filesystem::path stateFile;
    std::filesystem::path logFile;
    std::optional<std::uint16_t> vendorId;  // the mouse's own when unset
    bool uhid = false;                      // through /dev/uhid instead of the virtual bus
};

struct ControlInvocation {
    ControlCommand command;
    std::vector<std::string> words;  // as sent to the simulator
};

using Invocation = std::variant<ServeOptions, ControlInvocation, UsageError>;

// `args` without the program name.
Invocation parseCommandLine(std::span<const std::string> args);

extern const char* const kUsageText;

}  // namespace mousesim
