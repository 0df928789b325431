#include "mousesim/StateFile.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <system_error>
#include <vector>

#include "mousesim/FactoryState.h"
#include "mousesim/ProfileReports.h"

namespace mousesim {
namespace {

constexpr std::string_view kHeader = "mousesim-state 1";
constexpr std::size_t kMaxStateFileSize = 1 << 20;

std::uint32_t fnv1a32(std::string_view text) {
    std::uint32_t h = 2166136261u;
    for (char c : text) {
        h ^= static_cast<std::uint8_t>(c);
        h *= 16777619u;
    }
    return h;
}

template <typename Record>
std::string hexOf(const Record& record) {
    static_assert(std::is_trivially_copyable_v<Record>);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::array<std::uint8_t, sizeof(Record)> bytes;
    std::memcpy(bytes.data(), &record, sizeof(Record));
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out += kHex[b >> 4];
        out += kHex[b & 0x0F];
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

template <typename Record>
bool recordFromHex(std::string_view hex, Record& record) {
    static_assert(std::is_trivially_copyable_v<Record>);
    if (hex.size() != sizeof(Record) * 2) return false;
    std::array<std::uint8_t, sizeof(Record)> bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int hi = hexDigit(hex[2 * i]);
        const int lo = hexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    std::memcpy(&record, bytes.data(), sizeof(Record));
    return true;
}

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t end = line.find(' ', at);
        const std::size_t stop = end == std::string_view::npos ? line.size() : end;
        if (stop == at) return {};  // doubled or leading space: not our format
        words.push_back(line.substr(at, stop - at));
        at = stop + 1;
        if (end != std::string_view::npos && at == line.size()) return {};  // trailing space
    }
    return words;
}

std::optional<unsigned> decimal(std::string_view word, unsigned max) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value > max) return std::nullopt;
    return value;
}

// Collects the lines of one file and checks that each item appears as often as it must.
class StateParser {
public:
    bool line(std::string_view text);
    std::optional<MouseMemory> finish() const;

private:
    bool scalar(std::string_view key, std::string_view word);

    MouseMemory memory_;
    std::set<std::string_view> scalarsSeen_;
    std::array<bool, kProfileCount> settingsSeen_{};
    std::array<bool, kProfileCount> buttonsSeen_{};
};

bool StateParser::scalar(std::string_view key, std::string_view word) {
    struct Field {
        std::string_view key;
        std::uint8_t MouseMemory::*member;
        unsigned max;
    };
    static constexpr Field kFields[] = {
        {"firmware", &MouseMemory::firmwareVersion, 255},
        {"active-profile", &MouseMemory::activeProfile, kProfileCount - 1},
        {"padtune", &MouseMemory::padtuneLevel, kMaxPadtuneLevel},
        {"track-control", &MouseMemory::trackControl, 255},
    };
    for (const Field& field : kFields) {
        if (field.key != key) continue;
        const auto value = decimal(word, field.max);
        if (!value || !scalarsSeen_.insert(field.key).second) return false;
        memory_.*field.member = static_cast<std::uint8_t>(*value);
        return true;
    }
    return false;
}

bool StateParser::line(std::string_view text) {
    const auto words = splitWords(text);
    if (words.size() == 2) return scalar(words[0], words[1]);
    if (words.size() == 3 && (words[0] == "settings" || words[0] == "buttons")) {
        const auto profile = decimal(words[1], kProfileCount - 1);
        if (!profile) return false;
        ProfileMemory& p = memory_.profiles[*profile];
        if (words[0] == "settings") {
            if (settingsSeen_[*profile]) return false;
            settingsSeen_[*profile] = true;
            return recordFromHex(words[2], p.settings);
        }
        if (buttonsSeen_[*profile]) return false;
        buttonsSeen_[*profile] = true;
        return recordFromHex(words[2], p.buttons);
    }
    if (words.size() == 4 && words[0] == "macro") {
        const auto profile = decimal(words[1], kProfileCount - 1);
        const auto button = decimal(words[2], kDeviceButtonCount - 1);
        if (!profile || !button) return false;
        auto& slot = memory_.profiles[*profile].macros[*button];
        MacroBody body;
        if (slot || !recordFromHex(words[3], body) || macroEventCount(body) > kMacroMaxEvents) return false;
        slot = body;
        return true;
    }
    return false;
}

std::optional<MouseMemory> StateParser::finish() const {
    if (scalarsSeen_.size() != 4) return std::nullopt;
    for (std::size_t p = 0; p < kProfileCount; ++p)
        if (!settingsSeen_[p] || !buttonsSeen_[p]) return std::nullopt;
    return memory_;
}

}  // namespace

std::string serializeState(const MouseMemory& m) {
    std::string text(kHeader);
    text += '\n';
    text += "firmware " + std::to_string(m.firmwareVersion) + '\n';
    text += "active-profile " + std::to_string(m.activeProfile) + '\n';
    text += "padtune " + std::to_string(m.padtuneLevel) + '\n';
    text += "track-control " + std::to_string(m.trackControl) + '\n';
    for (std::size_t p = 0; p < kProfileCount; ++p) {
        text += "settings " + std::to_string(p) + ' ' + hexOf(m.profiles[p].settings) + '\n';
        text += "buttons " + std::to_string(p) + ' ' + hexOf(m.profiles[p].buttons) + '\n';
    }
    for (std::size_t p = 0; p < kProfileCount; ++p)
        for (std::size_t b = 0; b < kDeviceButtonCount; ++b)
            if (const auto& macro = m.profiles[p].macros[b])
                text += "macro " + std::to_string(p) + ' ' + std::to_string(b) + ' ' + hexOf(*macro) + '\n';
    char check[32];
    std::snprintf(check, sizeof check, "check %08X\n", static_cast<unsigned>(fnv1a32(text)));
    text += check;
    return text;
}

std::optional<MouseMemory> parseState(std::string_view text) {
    const std::size_t checkAt = text.rfind("check ");
    if (checkAt == std::string_view::npos || (checkAt > 0 && text[checkAt - 1] != '\n')) return std::nullopt;
    const std::string_view body = text.substr(0, checkAt);
    std::string_view checkLine = text.substr(checkAt + 6);
    if (!checkLine.empty() && checkLine.back() == '\n') checkLine.remove_suffix(1);
    std::uint32_t stored = 0;
    const auto [end, error] = std::from_chars(checkLine.data(), checkLine.data() + checkLine.size(), stored, 16);
    if (checkLine.size() != 8 || error != std::errc{} || end != checkLine.data() + checkLine.size() ||
        stored != fnv1a32(body))
        return std::nullopt;

    StateParser parser;
    std::size_t at = 0;
    bool first = true;
    while (at < body.size()) {
        const std::size_t newline = body.find('\n', at);
        if (newline == std::string_view::npos) return std::nullopt;
        const std::string_view line = body.substr(at, newline - at);
        at = newline + 1;
        if (first) {
            if (line != kHeader) return std::nullopt;
            first = false;
            continue;
        }
        if (!parser.line(line)) return std::nullopt;
    }
    if (first) return std::nullopt;
    return parser.finish();
}

LoadedState loadStateFile(const std::filesystem::path& path) {
    LoadedState loaded{factoryMemory(), StateLoadOutcome::Missing};
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return loaded;
    loaded.outcome = StateLoadOutcome::Damaged;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxStateFileSize) return loaded;
    std::ifstream in(path, std::ios::binary);
    if (!in) return loaded;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (auto memory = parseState(text)) {
        loaded.memory = std::move(*memory);
        loaded.outcome = StateLoadOutcome::Loaded;
    }
    return loaded;
}

bool saveStateFile(const std::filesystem::path& path, const MouseMemory& memory) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const std::string text = serializeState(memory);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    return !ec;
}

}  // namespace mousesim
