#include "option/core/TextLibrary.h"

#include <array>
#include <charconv>

#include "platform/ini/AtomicFile.h"
#include "platform/system/DebugOutput.h"

namespace option::core {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kFileNames = {
    "Danish_help.txt",   "English_help.txt",      "Finnish_help.txt", "French_help.txt",
    "German_help.txt",   "Italian_help.txt",      "Japanese_help.txt", "Korean_help.txt",
    "Polish_help.txt",   "Russian_help.txt",      "SimplChinese_help.txt", "Spanish_help.txt",
    "Swedish_help.txt",  "Thai_help.txt",         "TradChinese_help.txt", "Turkish_help.txt",
    "Vietnamese_help.txt"};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence starting at `pos`, or 0 when it is not a valid,
// shortest-form encoding of a scalar value (no surrogates, nothing past U+10FFFF).
std::size_t utf8SequenceLength(std::string_view s, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // overlong
        if (lead == 0xED)
            high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;  // overlong
        if (lead == 0xF4)
            high = 0x8F;  // past U+10FFFF
    } else {
        return 0;
    }
    if (pos + length > s.size())
        return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF)
            return 0;
    return length;
}

// The text with its escapes resolved and cut to kMaxTextLength characters, or
// nullopt when it is not valid UTF-8 or holds a control character.
std::optional<std::string> decodeText(std::string_view raw)
{
    std::string text;
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < raw.size();) {
        const std::size_t length = utf8SequenceLength(raw, pos);
        if (length == 0)
            return std::nullopt;
        const unsigned char lead = static_cast<unsigned char>(raw[pos]);
        if ((lead < 0x20 && lead != '\t') || lead == 0x7F)
            return std::nullopt;
        std::string_view piece = raw.substr(pos, length);
        std::size_t consumed = length;
        if (lead == '\\' && pos + 1 < raw.size()) {
            if (raw[pos + 1] == 'n') {
                piece = "\n";
                consumed = 2;
            } else if (raw[pos + 1] == '\\') {
                piece = "\\";
                consumed = 2;
            }
        }
        // Keep scanning past the cut so that a damaged tail still rejects the line.
        if (characters < kMaxTextLength)
            text += piece;
        ++characters;
        pos += consumed;
    }
    return text;
}

std::optional<int> parseId(std::string_view field)
{
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
    int id = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), id);
    if (error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    if (id < kMinTextId || id > kMaxTextId)
        return std::nullopt;
    return id;
}

}  // namespace

std::string_view textLibraryFileName(int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= kLanguageCount)
        languageIndex = kEnglishLanguage;
    return kFileNames[static_cast<std::size_t>(languageIndex)];
}

TextLibrary TextLibrary::parse(std::string_view contents, std::vector<int>* skippedLines)
{
    TextLibrary library;
    if (contents.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        contents.remove_prefix(kByteOrderMark.size());
    int lineNumber = 0;
    while (!contents.empty()) {
        ++lineNumber;
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;

        const std::size_t equals = line.find('=');
        const auto id = equals == std::string_view::npos ? std::nullopt : parseId(line.substr(0, equals));
        auto text = id ? decodeText(line.substr(equals + 1)) : std::nullopt;
        if (!text || library.texts_.count(*id) != 0) {
            if (skippedLines)
                skippedLines->push_back(lineNumber);
            continue;
        }
        library.texts_.emplace(*id, std::move(*text));
    }
    return library;
}

std::optional<std::string_view> TextLibrary::text(int id) const
{
    const auto found = texts_.find(id);
    if (found == texts_.end())
        return std::nullopt;
    return std::string_view(found->second);
}

std::vector<int> TextLibrary::ids() const
{
    std::vector<int> result;
    result.reserve(texts_.size());
    for (const auto& entry : texts_)
        result.push_back(entry.first);
    return result;
}

TextLibrary loadTextLibrary(const settings::InstallFolder& programFolder, int languageIndex)
{
    const std::string path = programFolder.file(std::string(kTextFolder) +
                                                std::string(textLibraryFileName(languageIndex)));
    const auto contents = platform::ini::readWholeFile(path);
    if (!contents) {
        platform::debugPrintf("TextLibrary: cannot read %s\n", path.c_str());
        return {};
    }
    std::vector<int> skipped;
    TextLibrary library = TextLibrary::parse(*contents, &skipped);
    for (const int line : skipped)
        platform::debugPrintf("TextLibrary: %s line %d skipped\n", path.c_str(), line);
    if (library.empty())
        platform::debugPrintf("TextLibrary: no texts in %s\n", path.c_str());
    return library;
}

}  // namespace option::core
