#pragma once
// Sharing an unlocked trophy: the request's address, made from the share
// address of the installation and six values, and what to do with the server's
// answer. Only an http or https address is ever opened; any other answer is
// shown as text and never handed to the shell.
//
// The six values, in order, fill the six empty fields of the path
// "frontend.en,1,trophy,,,,,,.dll":
//   1. the mouse's article number, "XQD-40-215";
//   2. the trophy shown, as its index + 56 (56-68);
//   3. a request identifier: 32 random hexadecimal digits, made anew for every
//      request (no machine identifier leaves the computer);
//   4. a random number 1-49;
//   5. a random number 1-9;
//   6. the level reached, the number of trophies unlocked (0-13).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace option::core {

inline constexpr char kShareArticleNumber[] = "XQD-40-215";
inline constexpr int kShareTrophyBase = 56;
// The answer is an address: anything longer is not read further.
inline constexpr std::size_t kMaxShareAnswerBytes = 4096;
inline constexpr long kShareTimeoutSeconds = 15;

struct ShareValues {
    std::string values[6];
};

// `random(low, high)` returns a whole number from low to high inclusive.
using RandomNumber = std::function<std::uint32_t(std::uint32_t low, std::uint32_t high)>;

ShareValues shareValues(int trophyIndex, int level, const RandomNumber& random);

// The request's address: the share address (an http or https address of the
// installation's configuration), a '/' when it has none at its end, and the
// path with the six values (percent-encoded). nullopt when no share address is
// configured or it is not an http or https address.
std::optional<std::string> shareRequestAddress(std::string_view shareAddress, const ShareValues& values);

// Whether `text` is an absolute http or https address with a host, and nothing
// that a shell or browser could take for more than one address.
bool isWebAddress(std::string_view text);

struct ShareAnswer {
    enum class Kind {
        OpenAddress,  // open `text` in the browser
        ShowText,     // show `text` (the answer, trimmed and cut, control characters dropped)
        Nothing,      // the answer was empty
    };
    Kind kind = Kind::Nothing;
    std::string text;
};

// The body of the server's answer, trimmed of blanks and line ends.
ShareAnswer classifyShareAnswer(std::string_view body);

}  // namespace option::core
