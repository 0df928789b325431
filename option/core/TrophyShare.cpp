#include "option/core/TrophyShare.h"

#include <algorithm>
#include <cctype>

namespace option::core {
namespace {

constexpr char kSharePath[] = "frontend.en,1,trophy,";
constexpr char kSharePathEnd[] = ".dll";
constexpr int kRequestIdDigits = 32;
constexpr std::size_t kMaxShownAnswer = 300;

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string percentEncoded(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '_' || c == '.' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
        }
    }
    return encoded;
}

// The scheme's length ("http://" or "https://"), or 0.
std::size_t webSchemeLength(std::string_view text)
{
    if (startsWithNoCase(text, "https://"))
        return 8;
    if (startsWithNoCase(text, "http://"))
        return 7;
    return 0;
}

}  // namespace

ShareValues shareValues(int trophyIndex, int level, const RandomNumber& random)
{
    static constexpr char kHex[] = "0123456789abcdef";
    ShareValues share;
    share.values[0] = kShareArticleNumber;
    share.values[1] = std::to_string(trophyIndex + kShareTrophyBase);
    for (int i = 0; i < kRequestIdDigits; ++i)
        share.values[2] += kHex[random(0, 15) & 0xF];
    share.values[3] = std::to_string(random(1, 49));
    share.values[4] = std::to_string(random(1, 9));
    share.values[5] = std::to_string(level);
    return share;
}

bool isWebAddress(std::string_view text)
{
    const std::size_t scheme = webSchemeLength(text);
    if (scheme == 0)
        return false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Blanks, quotes and control characters never belong to one address.
        if (byte <= 0x20 || byte == 0x7F || c == '"' || c == '\'' || c == '`' || c == '<' || c == '>' ||
            c == '\\')
            return false;
    }
    const std::string_view rest = text.substr(scheme);
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    const std::string_view host = authority.substr(authority.find('@') == std::string_view::npos
                                                       ? 0
                                                       : authority.find('@') + 1);
    return !host.empty() && host.front() != ':';
}

std::optional<std::string> shareRequestAddress(std::string_view shareAddress, const ShareValues& values)
{
    const std::string_view base = trimmed(shareAddress);
    if (!isWebAddress(base))
        return std::nullopt;
    std::string address(base);
    if (address.back() != '/')
        address += '/';
    address += kSharePath;
    for (int i = 0; i < 6; ++i)
        address += percentEncoded(values.values[i]) + ",";
    address.pop_back();
    address += kSharePathEnd;
    return address;
}

ShareAnswer classifyShareAnswer(std::string_view body)
{
    const std::string_view answer = trimmed(body.substr(0, std::min(body.size(), kMaxShareAnswerBytes)));
    if (answer.empty())
        return {};
    if (isWebAddress(answer))
        return {ShareAnswer::Kind::OpenAddress, std::string(answer)};
    std::string shown;
    for (const char c : answer.substr(0, kMaxShownAnswer)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F)
            shown += c;
        else if (c == '\n' || c == '\t')
            shown += ' ';
    }
    return {ShareAnswer::Kind::ShowText, shown};
}

}  // namespace option::core
