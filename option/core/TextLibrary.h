#pragma once
// The localized texts of the application: one string table per language, kept
// as "help/<Language>_help.txt" in the program folder and loaded at run time.
//
// Table format (UTF-8 text, one entry per line):
//   1001=Minimize the application
// - the id is a decimal number from kMinTextId to kMaxTextId; blanks around it
//   are ignored, and the text starts right after the '=' and runs to the end of
//   the line (a trailing "\r" is dropped);
// - "\n" in a text stands for a line break and "\\" for one backslash; any other
//   backslash is kept as it is;
// - lines that are empty or start with '#' are comments;
// - a text longer than kMaxTextLength characters is cut to that many characters
//   (whole UTF-8 sequences, never part of one);
// - a line that is not valid UTF-8, has no '=', has an id that is not a number in
//   range, repeats an id already given, or holds a control character other than
//   a tab is skipped; the rest of the table still loads.
// A table that is missing or cannot be read gives an empty library; the caller
// then keeps the status texts of the layout strings.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option/core/TextIds.h"
#include "settings/InstallFolder.h"

namespace option::core {

inline constexpr int kLanguageCount = 17;
inline constexpr int kEnglishLanguage = 1;  // used for any index outside 0-16
inline constexpr std::size_t kMaxTextLength = 500;  // characters, not bytes
inline constexpr int kMinTextId = 1;
inline constexpr int kMaxTextId = 65535;
// The folder of the program folder that holds the tables.
inline constexpr char kTextFolder[] = "help/";

// The table's file name for a language index: "Danish_help.txt" for 0 ...
// "Vietnamese_help.txt" for 16, "English_help.txt" for any other index.
std::string_view textLibraryFileName(int languageIndex);

class TextLibrary {
public:
    // The table parsed from `contents`; the 1-based numbers of the lines that were
    // skipped go to `skippedLines` when it is given.
    static TextLibrary parse(std::string_view contents, std::vector<int>* skippedLines = nullptr);

    // The text of `id`, or nullopt when the table has none.
    std::optional<std::string_view> text(int id) const;
    std::optional<std::string_view> text(TextId id) const { return text(static_cast<int>(id)); }

    bool empty() const { return texts_.empty(); }
    std::size_t size() const { return texts_.size(); }
    // Every id the table holds, in ascending order.
    std::vector<int> ids() const;

private:
    std::map<int, std::string> texts_;
};

// Loads the table of `languageIndex` from the "help/" folder of `programFolder`.
// A missing or unreadable table gives an empty library; skipped lines are
// reported on the debug output.
TextLibrary loadTextLibrary(const settings::InstallFolder& programFolder, int languageIndex);

}  // namespace option::core
