// Reading a language's text table: file names, the line rules and the cut at
// 500 characters.

#include <gtest/gtest.h>

#include <filesystem>

#include "option/core/TextLibrary.h"
#include "tests/settings/TempFolder.h"

namespace option::core::test {
namespace {

TEST(TextLibrary, FileNameByLanguageIndexFallsBackToEnglish)
{
    EXPECT_EQ(textLibraryFileName(0), "Danish_help.txt");
    EXPECT_EQ(textLibraryFileName(10), "SimplChinese_help.txt");
    EXPECT_EQ(textLibraryFileName(16), "Vietnamese_help.txt");
    EXPECT_EQ(textLibraryFileName(17), "English_help.txt");
    EXPECT_EQ(textLibraryFileName(-1), "English_help.txt");
}

TEST(TextLibrary, SkipsBadLinesAndKeepsTheRest)
{
    std::vector<int> skipped;
    const TextLibrary library = TextLibrary::parse(
        "\xEF\xBB\xBF# comment\r\n"
        "\n"
        "1001=Minimize\r\n"
        " 1002 = two lines\\nand a \\\\ backslash\n"
        "no equals sign\n"                      // 5
        "10x1=not a number\n"                   // 6
        "0=below range\n"                       // 7
        "65536=above range\n"                   // 8
        "1001=repeated id\n"                    // 9
        "1003=overlong \xC0\xAF slash\n"        // 10
        "1004=surrogate \xED\xA0\x80\n"         // 11
        "1005=control \x01 char\n"              // 12
        "1006=cut short \xE6\x97\n"             // 13
        "1007=\xE6\x97\xA5\xE6\x9C\xAC\tok",
        &skipped);

    EXPECT_EQ(skipped, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(library.ids(), (std::vector<int>{1001, 1002, 1007}));
    EXPECT_EQ(library.text(TextId::Minimize), "Minimize");
    EXPECT_EQ(library.text(1002), " two lines\nand a \\ backslash");
    EXPECT_EQ(library.text(1007), "\xE6\x97\xA5\xE6\x9C\xAC\tok");
    EXPECT_FALSE(library.text(1003).has_value());
}

TEST(TextLibrary, CutsLongTextsAtWholeCharacters)
{
    std::string twoByte;
    for (int i = 0; i < 600; ++i)
        twoByte += "\xC3\xA9";  // é
    const std::string mixed = std::string(499, 'a') + "\xE6\x97\xA5\xE6\x9C\xAC";

    const TextLibrary library = TextLibrary::parse("1=" + twoByte + "\n2=" + mixed + "\n3=" + std::string(500, 'b'));

    EXPECT_EQ(library.text(1), twoByte.substr(0, 2 * kMaxTextLength));
    EXPECT_EQ(library.text(2), std::string(499, 'a') + "\xE6\x97\xA5");
    EXPECT_EQ(library.text(3)->size(), 500u);
}

TEST(TextLibrary, LoadsFromTheHelpFolderAndIsEmptyWithoutIt)
{
    settings::test::TempFolder folder;
    const settings::InstallFolder program(folder.path());
    EXPECT_TRUE(loadTextLibrary(program, 4).empty());

    std::filesystem::create_directories(folder.path() + kTextFolder);
    settings::test::writeFile(folder.path() + kTextFolder + "German_help.txt", "1001=Anwendung minimieren\n");
    settings::test::writeFile(folder.path() + kTextFolder + "English_help.txt", "1001=Minimize\n");
    EXPECT_EQ(loadTextLibrary(program, 4).text(1001), "Anwendung minimieren");
    EXPECT_EQ(loadTextLibrary(program, 99).text(1001), "Minimize");

    // A table that cannot be read (here a folder in its place) is no table.
    std::filesystem::create_directories(folder.path() + kTextFolder + "Thai_help.txt");
    EXPECT_TRUE(loadTextLibrary(program, 13).empty());
}

}  // namespace
}  // namespace option::core::test
