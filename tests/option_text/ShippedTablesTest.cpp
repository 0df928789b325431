// The language tables as shipped: every line loads, every language has exactly
// the texts English has, and translations keep a text's printf conversions.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "option/core/TextLibrary.h"
#include "platform/ini/AtomicFile.h"

namespace option::core::test {
namespace {

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::vector<std::string> conversions(std::string_view text)
{
    static const std::regex conversion("%[-+ #0]*[0-9]*(\\.[0-9]+)?[a-zA-Z%]");
    std::vector<std::string> found;
    const std::string s(text);
    for (auto it = std::sregex_iterator(s.begin(), s.end(), conversion); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

TextLibrary loadShipped(int language)
{
    const std::string path = std::string(ZURO_HELP_SOURCE_DIR) + std::string(textLibraryFileName(language));
    const auto contents = platform::ini::readWholeFile(path);
    EXPECT_TRUE(contents && !contents->empty()) << path;
    std::vector<int> skipped;
    TextLibrary library = TextLibrary::parse(contents.value_or(""), &skipped);
    EXPECT_TRUE(skipped.empty()) << path << " skips line " << skipped.front();
    return library;
}

TEST(ShippedTables, EveryLanguageHoldsExactlyTheNamedTexts)
{
    const TextLibrary english = loadShipped(kEnglishLanguage);
    std::set<int> named;
    for (const TextId id : kAllTextIds)
        named.insert(static_cast<int>(id));
    EXPECT_EQ(named.size(), kAllTextIds.size()) << "an id is listed twice";
    EXPECT_THAT(english.ids(), ::testing::ContainerEq(std::vector<int>(named.begin(), named.end())));

    for (int language = 0; language < kLanguageCount; ++language) {
        SCOPED_TRACE(std::string(textLibraryFileName(language)));
        const TextLibrary table = loadShipped(language);
        EXPECT_THAT(table.ids(), ::testing::ContainerEq(english.ids()));
        for (const int id : table.ids()) {
            const std::string_view text = *table.text(id);
            EXPECT_FALSE(text.empty()) << id;
            // A text that reaches the limit may have been cut.
            EXPECT_LT(characterCount(text), kMaxTextLength) << id;
            EXPECT_EQ(conversions(text), conversions(english.text(id).value_or(""))) << id;
        }
    }
}

}  // namespace
}  // namespace option::core::test
