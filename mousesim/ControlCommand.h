#pragma once
// The commands a running simulator takes, as words of the command line:
//
//   plug | unplug | status
//   press N | release N                 device button 0-17
//   event CODE VALUE                    event report with that code (0-255) and 16-bit value
//   input BYTE...                       this input report exactly, bytes as two-digit hex
//                                       (1-64 bytes; for tests of the host's filtering; on
//                                       uhid the kernel drops it unless it is a whole report 3)
//   fault busy N | fault fail-set N | fault fail-get N | fault unplug-after N
//   fault bad-checksum | fault flash-fail-at BLOCK
//   wait-input-readers N [MS]           answers once N connections read the event
//                                       collection's input, refused after MS (default 5000);
//                                       on uhid the count is 1 while any program has it open
//
// Numbers are decimal or 0x-prefixed hexadecimal.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mousesim {

enum class Verb {
    Plug,
    Unplug,
    Status,
    Press,
    Release,
    Event,
    Input,
    FaultBusy,
    FaultFailSet,
    FaultFailGet,
    FaultBadChecksum,
    FaultUnplugAfter,
    FaultFlashFailAt,
    WaitInputReaders,
};

inline constexpr std::uint32_t kDefaultWaitMs = 5000;
inline constexpr std::uint32_t kMaxWaitMs = 60000;
inline constexpr std::uint32_t kMaxAwaitedReaders = 64;
inline constexpr std::size_t kMaxInputReport = 64;

struct ControlCommand {
    Verb verb = Verb::Status;
    std::uint32_t number = 0;  // button, code, count, block or readers
    std::uint32_t value = 0;   // event value, or the wait's limit in milliseconds
    std::vector<std::uint8_t> bytes;  // the input report
};

struct UsageError {
    std::string message;
};

std::variant<ControlCommand, UsageError> parseControlCommand(std::span<const std::string> words);

// Decimal or 0x-prefixed hexadecimal, at most `maximum`.
std::optional<std::uint32_t> parseNumber(std::string_view word, std::uint32_t maximum);

std::vector<std::string> splitWords(std::string_view line);
std::string joinWords(std::span<const std::string> words);

}  // namespace mousesim
