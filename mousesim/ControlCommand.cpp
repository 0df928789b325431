#include "mousesim/ControlCommand.h"

#include <limits>

#include "mousesim/Protocol.h"

namespace mousesim {
namespace {

constexpr std::uint32_t kMaxCount = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kMaxByte = 0xFF;
constexpr std::uint32_t kMaxWord = 0xFFFF;

std::optional<std::uint8_t> parseHexByte(std::string_view word)
{
    if (word.size() != 2) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : word) {
        value <<= 4;
        if (c >= '0' && c <= '9') value |= static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F') value |= static_cast<std::uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') value |= static_cast<std::uint32_t>(c - 'a' + 10);
        else return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

UsageError usage(std::string message) { return UsageError{std::move(message)}; }

ControlCommand command(Verb verb, std::uint32_t number = 0, std::uint32_t value = 0)
{
    ControlCommand c;
    c.verb = verb;
    c.number = number;
    c.value = value;
    return c;
}

// A command of one number argument.
std::variant<ControlCommand, UsageError> withNumber(Verb verb, std::span<const std::string> args,
                                                    std::uint32_t maximum, std::string_view what)
{
    if (args.size() != 1) return usage("expects one argument: " + std::string(what));
    const auto number = parseNumber(args[0], maximum);
    if (!number) return usage(std::string(what) + " must be a number from 0 to " + std::to_string(maximum));
    return command(verb, *number);
}

std::variant<ControlCommand, UsageError> parseFault(std::span<const std::string> args)
{
    if (args.empty()) return usage("fault expects a kind");
    const std::string& kind = args[0];
    const auto rest = args.subspan(1);
    if (kind == "busy") return withNumber(Verb::FaultBusy, rest, kMaxCount, "status reads");
    if (kind == "fail-set") return withNumber(Verb::FaultFailSet, rest, kMaxCount, "sets");
    if (kind == "fail-get") return withNumber(Verb::FaultFailGet, rest, kMaxCount, "gets");
    if (kind == "unplug-after") return withNumber(Verb::FaultUnplugAfter, rest, kMaxCount, "reports");
    if (kind == "flash-fail-at") return withNumber(Verb::FaultFlashFailAt, rest, kMaxWord, "block");
    if (kind == "bad-checksum") {
        if (!rest.empty()) return usage("fault bad-checksum takes no argument");
        return command(Verb::FaultBadChecksum);
    }
    return usage("unknown fault: " + kind);
}

std::variant<ControlCommand, UsageError> parseEvent(std::span<const std::string> args)
{
    if (args.size() != 2) return usage("event expects CODE VALUE");
    const auto code = parseNumber(args[0], kMaxByte);
    const auto value = parseNumber(args[1], kMaxWord);
    if (!code) return usage("event code must be a number from 0 to 255");
    if (!value) return usage("event value must be a number from 0 to 65535");
    return command(Verb::Event, *code, *value);
}

std::variant<ControlCommand, UsageError> parseInput(std::span<const std::string> args)
{
    if (args.empty() || args.size() > kMaxInputReport)
        return usage("input expects 1 to " + std::to_string(kMaxInputReport) + " bytes");
    ControlCommand input = command(Verb::Input);
    for (const std::string& word : args) {
        const auto byte = parseHexByte(word);
        if (!byte) return usage("input bytes are two hexadecimal digits each: " + word);
        input.bytes.push_back(*byte);
    }
    return input;
}

std::variant<ControlCommand, UsageError> parseWait(std::span<const std::string> args)
{
    if (args.empty() || args.size() > 2) return usage("wait-input-readers expects N [MS]");
    const auto readers = parseNumber(args[0], kMaxAwaitedReaders);
    if (!readers) return usage("readers must be a number from 0 to " + std::to_string(kMaxAwaitedReaders));
    std::uint32_t limit = kDefaultWaitMs;
    if (args.size() == 2) {
        const auto given = parseNumber(args[1], kMaxWaitMs);
        if (!given) return usage("wait must be a number of milliseconds up to " + std::to_string(kMaxWaitMs));
        limit = *given;
    }
    return command(Verb::WaitInputReaders, *readers, limit);
}

std::variant<ControlCommand, UsageError> withoutArguments(Verb verb, std::span<const std::string> args,
                                                          const std::string& name)
{
    if (!args.empty()) return usage(name + " takes no argument");
    return command(verb);
}

}  // namespace

std::optional<std::uint32_t> parseNumber(std::string_view word, std::uint32_t maximum)
{
    unsigned base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    if (word.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : word) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else return std::nullopt;
        value = value * base + digit;
        if (value > maximum) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::variant<ControlCommand, UsageError> parseControlCommand(std::span<const std::string> words)
{
    if (words.empty()) return usage("no command");
    const std::string& name = words[0];
    const auto args = words.subspan(1);
    if (name == "plug") return withoutArguments(Verb::Plug, args, name);
    if (name == "unplug") return withoutArguments(Verb::Unplug, args, name);
    if (name == "status") return withoutArguments(Verb::Status, args, name);
    if (name == "press") return withNumber(Verb::Press, args, kDeviceButtonCount - 1, "button");
    if (name == "release") return withNumber(Verb::Release, args, kDeviceButtonCount - 1, "button");
    if (name == "event") return parseEvent(args);
    if (name == "input") return parseInput(args);
    if (name == "fault") return parseFault(args);
    if (name == "wait-input-readers") return parseWait(args);
    return usage("unknown command: " + name);
}

std::vector<std::string> splitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = line.find_first_of(" \t\n", start);
        const std::size_t stop = end == std::string_view::npos ? line.size() : end;
        if (stop > start) words.emplace_back(line.substr(start, stop - start));
        start = stop + 1;
    }
    return words;
}

std::string joinWords(std::span<const std::string> words)
{
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        line += word;
    }
    return line;
}

}  // namespace mousesim
