#pragma once
// A simulated mouse with everything it says captured, so a test reads as a
// conversation: the host sends these bytes, the mouse answers those.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "mousesim/DeviceModel.h"
#include "mousesim/FactoryState.h"

namespace mousesim::test {

// "06 1F 00" -> {0x06, 0x1F, 0x00}
inline Bytes hex(std::string_view text) {
    Bytes out;
    std::istringstream in{std::string(text)};
    std::string word;
    while (in >> word) out.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    return out;
}

inline std::string hexText(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        if (!text.empty()) text += ' ';
        text += kHex[b >> 4];
        text += kHex[b & 0x0F];
    }
    return text;
}

// Sum of all bytes before the last two, stored low byte first in them; written
// out here rather than taken from the library so the tests check it.
inline Bytes withChecksum(Bytes report) {
    unsigned sum = 0;
    for (std::size_t i = 0; i + 2 < report.size(); ++i) sum += report[i];
    report[report.size() - 2] = static_cast<std::uint8_t>(sum & 0xFF);
    report[report.size() - 1] = static_cast<std::uint8_t>((sum >> 8) & 0xFF);
    return report;
}

// A button table with the given (button, code) pairs and every other code 0.
inline Bytes buttonTable(std::uint8_t profile, std::vector<std::pair<std::uint8_t, std::uint8_t>> codes) {
    Bytes r(59, 0);
    r[0] = 0x07, r[1] = 0x3B, r[2] = profile;
    for (const auto& [button, code] : codes) r[3 + 3 * button] = code;
    return withChecksum(r);
}

// A macro report carrying these 4-byte events and a macro name.
inline Bytes macroReport(std::uint8_t profile, std::uint8_t button, std::uint8_t loops, const Bytes& events,
                         std::string_view name = "") {
    Bytes r(2082, 0);
    r[0] = 0x08, r[1] = 0x22, r[2] = 0x08, r[3] = profile, r[4] = button, r[5] = loops;
    for (std::size_t i = 0; i < name.size() && i < 24; ++i) r[54 + i] = static_cast<std::uint8_t>(name[i]);
    const std::size_t count = events.size() / 4;
    r[78] = static_cast<std::uint8_t>(count & 0xFF), r[79] = static_cast<std::uint8_t>(count >> 8);
    for (std::size_t i = 0; i < events.size(); ++i) r[80 + i] = events[i];
    return withChecksum(r);
}

class MemoryLog : public LineSink {
public:
    void writeLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

class CountingStore : public StateStore {
public:
    bool save(const MouseMemory& memory) override {
        ++saves;
        last = memory;
        return succeed;
    }
    int saves = 0;
    bool succeed = true;
    std::optional<MouseMemory> last;
};

class MouseConversation : public ::testing::Test {
protected:
    explicit MouseConversation(MouseMemory initial = factoryMemory()) : mouse(std::move(initial), environment()) {}

    DeviceEnvironment environment() {
        DeviceEnvironment env;
        env.clock = [this] { return now; };
        env.log = &log;
        env.state = &store;
        env.outputs.sendEvent = [this](std::span<const std::uint8_t> r) { events.push_back(hexText({r.begin(), r.end()})); };
        env.outputs.plugChanged = [this](bool plugged) { plugChanges.push_back(plugged); };
        return env;
    }

    bool hostSends(const Bytes& report) { return mouse.setFeature(report); }
    bool hostSends(std::string_view report) { return mouse.setFeature(hex(report)); }

    // The mouse's answer as hex text, or "(failed)".
    std::string mouseAnswers(std::uint8_t reportId, std::size_t length) {
        const auto answer = mouse.getFeature(reportId, length);
        return answer ? hexText(*answer) : "(failed)";
    }

    std::optional<Bytes> read(std::uint8_t reportId, std::size_t length) { return mouse.getFeature(reportId, length); }

    std::vector<std::string> takeEvents() { return std::exchange(events, {}); }

    std::uint64_t now = 0;
    MemoryLog log;
    CountingStore store;
    std::vector<std::string> events;
    std::vector<bool> plugChanges;
    DeviceModel mouse;
};

}  // namespace mousesim::test
