#include "mousesim/ControlProtocol.h"

namespace mousesim::control {
namespace {

constexpr std::string_view kOk = "ok";
constexpr std::string_view kRefused = "refused";
constexpr std::string_view kUsage = "usage";

}  // namespace

std::string encodeRequest(std::string_view commandLine)
{
    std::string packet(kProtocolTag);
    packet += ' ';
    packet += commandLine;
    return packet;
}

std::optional<std::string> decodeRequest(std::string_view packet)
{
    if (packet.size() <= kProtocolTag.size() || packet.substr(0, kProtocolTag.size()) != kProtocolTag ||
        packet[kProtocolTag.size()] != ' ')
        return std::nullopt;
    return std::string(packet.substr(kProtocolTag.size() + 1));
}

std::string encodeReply(const Reply& reply)
{
    switch (reply.outcome) {
        case Outcome::Ok: return std::string(kOk) + "\n" + reply.text;
        case Outcome::Refused: return std::string(kRefused) + " " + reply.text + "\n";
        case Outcome::Usage: return std::string(kUsage) + " " + reply.text + "\n";
    }
    return {};
}

std::optional<Reply> decodeReply(std::string_view packet)
{
    const std::size_t lineEnd = packet.find('\n');
    if (lineEnd == std::string_view::npos) return std::nullopt;
    const std::string_view first = packet.substr(0, lineEnd);
    if (first == kOk) return Reply{Outcome::Ok, std::string(packet.substr(lineEnd + 1))};
    const auto reason = [&](std::string_view word) -> std::optional<std::string> {
        if (first.size() <= word.size() || first.substr(0, word.size()) != word || first[word.size()] != ' ')
            return std::nullopt;
        return std::string(first.substr(word.size() + 1));
    };
    if (auto text = reason(kRefused)) return Reply{Outcome::Refused, *text};
    if (auto text = reason(kUsage)) return Reply{Outcome::Usage, *text};
    return std::nullopt;
}

std::optional<std::string> answerValue(std::string_view answer, std::string_view key)
{
    while (!answer.empty()) {
        const std::size_t end = answer.find('\n');
        const std::string_view line = answer.substr(0, end);
        if (line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == ' ')
            return std::string(line.substr(key.size() + 1));
        if (end == std::string_view::npos) break;
        answer.remove_prefix(end + 1);
    }
    return std::nullopt;
}

}  // namespace mousesim::control
