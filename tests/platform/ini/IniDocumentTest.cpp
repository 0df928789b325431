#include "platform/ini/IniDocument.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using platform::ini::Edit;
using platform::ini::IniDocument;
using namespace std::string_literals;

namespace {

std::string afterWrite(std::string_view original, std::string_view section, std::string_view key,
                       std::string_view value)
{
    IniDocument document = IniDocument::parse(original);
    EXPECT_EQ(document.setValue(section, key, value), Edit::Changed);
    return document.serialize();
}

std::optional<std::string> read(std::string_view bytes, std::string_view section,
                                std::string_view key)
{
    const IniDocument document = IniDocument::parse(bytes);
    const auto value = document.value(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

}  // namespace

TEST(IniDocumentWrite, SequenceOnEmptyDocumentGivesCrlfFile)
{
    IniDocument document;
    EXPECT_EQ(document.setValue("Setting", "CurrentProfile", "2"), Edit::Changed);
    EXPECT_EQ(document.serialize(), "[Setting]\r\nCurrentProfile=2\r\n");

    EXPECT_EQ(document.setValue("Setting", "WindowsProfile", "3"), Edit::Changed);
    EXPECT_EQ(document.setValue("Profile1", "FileName", "My game"), Edit::Changed);
    EXPECT_EQ(document.setValue("setting", "currentprofile", "4"), Edit::Changed);
    EXPECT_EQ(document.serialize(),
              "[Setting]\r\nCurrentProfile=4\r\nWindowsProfile=3\r\n"
              "\r\n[Profile1]\r\nFileName=My game\r\n");
}

TEST(IniDocumentWrite, OverwriteKeepsKeySpellingAndEveryOtherLine)
{
    const std::string original =
        "; written by hand\n[setting]\n  currentPROFILE = 1 \nOther = \"x\"\n\n"
        "garbage line\n[B]\nk=v\n";
    EXPECT_EQ(afterWrite(original, "SETTING", "CurrentProfile", "4"),
              "; written by hand\n[setting]\ncurrentPROFILE=4\r\nOther = \"x\"\n\n"
              "garbage line\n[B]\nk=v\n");
}

TEST(IniDocumentWrite, NewKeyFollowsLastKeyOfItsSection)
{
    EXPECT_EQ(afterWrite("[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\nz=3\r\n", "a", "y", "2"),
              "[A]\r\nx=1\r\ny=2\r\n; note\r\n\r\n[B]\r\nz=3\r\n");
    EXPECT_EQ(afterWrite("[A]\r\n; only a comment\r\n\r\n[B]\r\n", "A", "k", "v"),
              "[A]\r\nk=v\r\n; only a comment\r\n\r\n[B]\r\n");
    EXPECT_EQ(afterWrite("[A]\nx=1\n\n\n", "A", "y", "2"), "[A]\nx=1\ny=2\r\n\n\n");
}

TEST(IniDocumentWrite, NewSectionIsSeparatedByOneEmptyLine)
{
    EXPECT_EQ(afterWrite("[A]\r\nx=1\r\n", "B", "k", "v"), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
    EXPECT_EQ(afterWrite("[A]\r\nx=1\r\n\r\n", "B", "k", "v"), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
    EXPECT_EQ(afterWrite("[A]\nx=1\n  \t\n", "B", "k", "v"), "[A]\nx=1\n  \t\n[B]\r\nk=v\r\n");
}

TEST(IniDocumentWrite, UnterminatedLastLineGetsAnEndingBeforeNewLines)
{
    EXPECT_EQ(afterWrite("[A]\r\nx=1", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(afterWrite("[A]", "A", "y", "2"), "[A]\r\ny=2\r\n");
    EXPECT_EQ(afterWrite("a=1", "S", "k", "v"), "a=1\r\n\r\n[S]\r\nk=v\r\n");
}

TEST(IniDocumentWrite, LineBreaksAndNulInNamesAndValuesBecomeBlanks)
{
    IniDocument document;
    EXPECT_EQ(document.setValue("Sec\ntion", " Key\r\n ", "a\r\nb\0c"s), Edit::Changed);
    EXPECT_EQ(document.serialize(), "[Sec tion]\r\nKey=a  b c\r\n");
    EXPECT_EQ(document.value("Sec tion", "key"), "a  b c");
}

TEST(IniDocumentWrite, NamesThatCouldNotReadBackAreRejected)
{
    IniDocument document = IniDocument::parse("[A]\r\nk=1\r\n");
    EXPECT_EQ(document.setValue("", "k", "v"), Edit::Rejected);
    EXPECT_EQ(document.setValue(" \t", "k", "v"), Edit::Rejected);
    EXPECT_EQ(document.setValue("A", "", "v"), Edit::Rejected);
    EXPECT_EQ(document.setValue("A", "a=b", "v"), Edit::Rejected);
    EXPECT_EQ(document.setValue("A", ";k", "v"), Edit::Rejected);
    EXPECT_EQ(document.setValue("A", "[k", "v"), Edit::Rejected);
    EXPECT_EQ(document.serialize(), "[A]\r\nk=1\r\n");
}

TEST(IniDocumentWrite, SameValueChangesNothingButAnLfLineIsRewritten)
{
    IniDocument crlf = IniDocument::parse("[A]\r\nk=1\r\n");
    EXPECT_EQ(crlf.setValue("A", "K", "1"), Edit::Unchanged);
    EXPECT_EQ(crlf.serialize(), "[A]\r\nk=1\r\n");

    IniDocument lf = IniDocument::parse("[A]\nk=1\n");
    EXPECT_EQ(lf.setValue("A", "k", "1"), Edit::Changed);
    EXPECT_EQ(lf.serialize(), "[A]\nk=1\r\n");
}

TEST(IniDocumentWrite, ValuesKeepQuotesAndEqualSignsAndLoseSurroundingBlanks)
{
    IniDocument document;
    for (const std::string value : {"\"quoted\"", "a=b=c", "'x'", "; not a comment", "[x]"}) {
        ASSERT_EQ(document.setValue("S", "k", value), Edit::Changed);
        EXPECT_EQ(document.value("S", "k"), value);
    }
    ASSERT_EQ(document.setValue("S", "k", " \tpadded\t "), Edit::Changed);
    EXPECT_EQ(document.value("S", "k"), "padded");
}

TEST(IniDocumentDelete, KeyAndSectionRemoveEveryOccurrence)
{
    const std::string original = "[A]\r\nk=1\r\nj=2\r\nK=3\r\n\r\n[B]\r\nk=4\r\n[a]\r\nk=5\r\n";
    IniDocument keys = IniDocument::parse(original);
    EXPECT_EQ(keys.removeKey("a", "K"), Edit::Changed);
    EXPECT_EQ(keys.serialize(), "[A]\r\nj=2\r\n\r\n[B]\r\nk=4\r\n[a]\r\n");
    EXPECT_FALSE(keys.value("A", "k"));
    EXPECT_EQ(keys.value("B", "k"), "4");
    EXPECT_EQ(keys.removeKey("A", "k"), Edit::Unchanged);
    EXPECT_EQ(keys.removeKey("Missing", "k"), Edit::Unchanged);

    IniDocument sections = IniDocument::parse(original);
    EXPECT_EQ(sections.removeSection("A"), Edit::Changed);
    EXPECT_EQ(sections.serialize(), "[B]\r\nk=4\r\n");
    EXPECT_FALSE(sections.hasSection("a"));
    EXPECT_EQ(sections.removeSection("A"), Edit::Unchanged);
    EXPECT_EQ(sections.setValue("A", "n", "1"), Edit::Changed);
    EXPECT_EQ(sections.serialize(), "[B]\r\nk=4\r\n\r\n[A]\r\nn=1\r\n");
}

TEST(IniDocumentDelete, RemovingEverythingLeavesAnEmptyDocumentThatWritesAfresh)
{
    IniDocument document = IniDocument::parse("[A]\r\nk=1\r\n");
    EXPECT_EQ(document.removeSection("A"), Edit::Changed);
    EXPECT_EQ(document.serialize(), "");
    EXPECT_EQ(document.setValue("B", "k", "2"), Edit::Changed);
    EXPECT_EQ(document.serialize(), "[B]\r\nk=2\r\n");
}

TEST(IniDocumentRead, MatchesWithoutRegardToCaseAndTrimsBlanks)
{
    const std::string file = "[ Setting ]\r\n\tMy Key =  some value\t\r\nEmpty=\r\n";
    EXPECT_EQ(read(file, "setting", "my key"), "some value");
    EXPECT_EQ(read(file, "SETTING", " MY KEY "), "some value");
    EXPECT_EQ(read(file, "Setting", "Empty"), "");
    EXPECT_FALSE(read(file, "Setting", "Missing"));
    EXPECT_FALSE(read(file, "Other", "My Key"));
}

TEST(IniDocumentRead, CommentsUnknownLinesAndKeysBeforeAnySectionAreNotKeys)
{
    const std::string file = "top=1\n[A]\n;k=1\nno equals sign\n=novalue\nk=2\n";
    EXPECT_EQ(read(file, "A", "k"), "2");
    EXPECT_FALSE(read(file, "A", ";k"));
    EXPECT_FALSE(read(file, "A", "no equals sign"));
    EXPECT_FALSE(read(file, "", "top"));
}

TEST(IniDocumentRead, FirstOccurrenceOfDuplicatesWinsAndIsTheOneWritten)
{
    const std::string file = "[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n";
    EXPECT_EQ(read(file, "A", "k"), "1");
    EXPECT_FALSE(read(file, "A", "j"));
    EXPECT_EQ(afterWrite(file, "A", "K", "9"), "[A]\nk=9\r\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(afterWrite(file, "a", "j", "5"), "[A]\nk=1\nk=2\nj=5\r\n[a]\nk=3\nj=4\n");
}

TEST(IniDocumentRead, SectionNamesInFileOrderEachOnce)
{
    const IniDocument document = IniDocument::parse(
        "x=1\n[Zeta]\n[alpha]\nk=v\n[ Mid ]\n[ALPHA]\n[Zuro Tarn]\n[]\n");
    EXPECT_EQ(document.sectionNames(),
              (std::vector<std::string>{"Zeta", "alpha", "Mid", "Zuro Tarn", ""}));
    EXPECT_TRUE(IniDocument::parse("").sectionNames().empty());
}

TEST(IniDocumentRead, HeaderNameRunsToTheLastBracket)
{
    IniDocument document;
    ASSERT_EQ(document.setValue("a]b", "k", "v"), Edit::Changed);
    const IniDocument reread = IniDocument::parse(document.serialize());
    EXPECT_EQ(reread.sectionNames(), std::vector<std::string>{"a]b"});
    EXPECT_EQ(reread.value("A]B", "k"), "v");
}

TEST(IniDocumentRead, ByteOrderMarkIsSkippedAndKept)
{
    const std::string file = "\xEF\xBB\xBF[A]\r\nk=1\r\n";
    EXPECT_EQ(read(file, "A", "k"), "1");
    EXPECT_EQ(afterWrite(file, "A", "k", "2"), "\xEF\xBB\xBF[A]\r\nk=2\r\n");
}

// Whatever the input, parsing must not crash, must give back the same bytes and
// must still take a write that then reads back.
struct BadInput {
    const char* name;
    std::string bytes;
};

class IniDocumentBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(IniDocumentBadInput, ReadsSerializesUnchangedAndStillTakesWrites)
{
    const std::string& bytes = GetParam().bytes;
    IniDocument document = IniDocument::parse(bytes);
    EXPECT_EQ(document.serialize(), bytes);
    (void)document.value("A", "k");
    (void)document.sectionNames();
    ASSERT_EQ(document.setValue("Fresh Section", "Fresh Key", "fresh"), Edit::Changed);
    const IniDocument reread = IniDocument::parse(document.serialize());
    EXPECT_EQ(reread.value("fresh section", "fresh key"), "fresh");
}

namespace {

std::string randomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(generator));
    return bytes;
}

// Random bytes drawn mostly from the INI syntax, so that headers, keys and
// broken lines all occur.
std::string randomIniLikeBytes(std::size_t size, unsigned seed)
{
    static const std::string alphabet = "[]=;\r\n\n \tAaKk\0\xEF\xBB\xBF"s;
    std::mt19937 generator(seed);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = alphabet[pick(generator)];
    return bytes;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Inputs, IniDocumentBadInput,
    testing::Values(BadInput{"Empty", ""}, BadInput{"LoneLf", "\n"}, BadInput{"LoneCrLf", "\r\n"},
                    BadInput{"LoneCr", "\r"}, BadInput{"OpenBracket", "["},
                    BadInput{"CloseBracket", "]"}, BadInput{"EqualSign", "="},
                    BadInput{"UnclosedHeaderOnly", "[A"},
                    BadInput{"UnclosedHeader", "[A\r\nk=1\r\n"},
                    BadInput{"UnclosedSecondHeader", "[A]\nk=1\n[B\nj=2\n"},
                    BadInput{"ByteOrderMarkOnly", "\xEF\xBB\xBF"},
                    BadInput{"TruncatedByteOrderMark", "\xEF\xBB"},
                    BadInput{"NulBytes", "[A]\0\r\nk\0=\0v\0\r\n"s},
                    BadInput{"DoubleCr", "[A]\r\r\nk=1\r\r\n"},
                    BadInput{"LfCr", "[A]\n\rk=1\r"},
                    BadInput{"ThreeMegabyteLine",
                             "[A]\r\nk=" + std::string(3 * 1024 * 1024, 'x') + "\r\n"},
                    BadInput{"MegabytesOfBrackets", std::string(2 * 1024 * 1024, '[')},
                    BadInput{"MegabyteOfEmptyLines", std::string(1024 * 1024, '\n')},
                    BadInput{"RandomMegabyte", randomBytes(1024 * 1024, 1)},
                    BadInput{"RandomPage", randomBytes(4096, 2)},
                    BadInput{"RandomIniSyntax", randomIniLikeBytes(256 * 1024, 3)},
                    BadInput{"RandomIniSyntaxPage", randomIniLikeBytes(4096, 4)}),
    [](const testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

TEST(IniDocumentRead, MissingBracketLineStaysInThePreviousSection)
{
    const std::string file = "[A]\nk=1\n[B\nj=2\n";
    EXPECT_EQ(IniDocument::parse(file).sectionNames(), std::vector<std::string>{"A"});
    EXPECT_FALSE(read(file, "B", "j"));
    EXPECT_EQ(read(file, "A", "j"), "2");
}

TEST(IniDocumentRead, LongValuesAndManyLinesKeepTheirBytes)
{
    const std::string longValue(5066, 'A');
    IniDocument document;
    for (int i = 0; i < 24; ++i)
        ASSERT_EQ(document.setValue("Setting", "MacroKeyInfo" + std::to_string(i), longValue),
                  Edit::Changed);
    const IniDocument reread = IniDocument::parse(document.serialize());
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(reread.value("setting", "macrokeyinfo" + std::to_string(i)), longValue);
}
