#pragma once
// The control socket between the command line (or a test) and a running
// `mousesim serve`: a sequenced-packet socket, one request packet answered by
// one reply packet, any number of them per connection.
//
//   request: "mousesim-control/1 <command words separated by single spaces>"
//   reply:   "ok\n<answer lines>"  |  "refused <reason>\n"  |  "usage <reason>\n"
//
// The command words are those of the command line (see ControlCommand.h).
// Replies to commands that sent event reports carry the line
// "sent-at-ns <CLOCK_MONOTONIC nanoseconds>" of the first report's sending.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mousesim::control {

inline constexpr std::string_view kProtocolTag = "mousesim-control/1";
inline constexpr std::size_t kMaxRequest = 1024;
inline constexpr std::size_t kMaxReply = 8192;
inline constexpr std::string_view kSentAtKey = "sent-at-ns";

enum class Outcome { Ok, Refused, Usage };

struct Reply {
    Outcome outcome = Outcome::Ok;
    std::string text;  // the answer lines when ok, else the reason
};

std::string encodeRequest(std::string_view commandLine);
// The command line of a request; nothing when the packet is not of this protocol.
std::optional<std::string> decodeRequest(std::string_view packet);

std::string encodeReply(const Reply& reply);
std::optional<Reply> decodeReply(std::string_view packet);

// The value of a "key value" line of an answer.
std::optional<std::string> answerValue(std::string_view answer, std::string_view key);

}  // namespace mousesim::control
