#pragma once
// The text of one INI file in memory: parsed in one pass, edited in place and
// written back byte for byte except for the lines that were edited. No I/O.
//
// Reading rules:
// - Lines end at LF; a CR right before the LF belongs to the line ending. A
//   UTF-8 byte order mark at the start is kept and skipped.
// - A section header is a line whose first non-blank byte is '[' and that has a
//   ']' after it; the name lies between the '[' and the last ']', blanks removed.
//   A '[' line without ']' is not a header and stays an ordinary line.
// - A key line is a line, not a header nor a ';' comment, with an '=' after a
//   non-empty key; the key is the text before the first '=', the value the text
//   after it, both without surrounding blanks (space, tab). Quotes are kept.
// - Sections and keys match without regard to ASCII case. When a section or a key
//   appears twice, the first occurrence is the one read and written; lines before
//   the first section belong to no section.
//
// Writing rules:
// - CR, LF and NUL in a section, key or value to be written become blanks, so a
//   value can never break the file; surrounding blanks of section and key names
//   are dropped. Names that could not read back as themselves are rejected: an
//   empty name, a key with '=' or starting with ';' or '['.
// - An existing key line is rewritten as key (original spelling) '=' value CRLF;
//   every other line keeps its bytes, including LF endings.
// - A new key goes right after the last key line of its section (after the header
//   when it has none), so before trailing blank and comment lines.
// - A new section goes at the end, after an empty line unless the file is empty
//   or already ends with a blank line.
// - Deleting a key or a section removes every occurrence of it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::ini {

enum class Edit {
    Changed,    // the document's bytes changed
    Unchanged,  // nothing to do: same value, or nothing to delete
    Rejected,   // a name that cannot be written
};

class IniDocument {
public:
    IniDocument();
    static IniDocument parse(std::string_view bytes);
    std::string serialize() const;

    // The value with surrounding blanks removed; nullopt when the key is missing.
    // The view stays valid until the next edit.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Each section name once, in file order of first appearance, spelled as there.
    std::vector<std::string> sectionNames() const;

    Edit setValue(std::string_view section, std::string_view key, std::string_view value);
    Edit removeKey(std::string_view section, std::string_view key);
    Edit removeSection(std::string_view section);

private:
    enum class Ending : unsigned char { None, Lf, CrLf };
    struct Line {
        std::string text;  // without the line ending
        Ending ending = Ending::None;
    };
    struct Section {
        bool hasHeader = false;
        std::string name;
        std::vector<Line> lines;  // lines[0] is the header when hasHeader
        std::unordered_map<std::string, std::size_t> keys;  // lower-cased key -> line, first wins
        std::optional<std::size_t> lastKeyLine;
    };

    std::optional<std::size_t> sectionAt(std::string_view lowerName) const;
    void indexSection(Section& section);
    void rebuildSectionIndex();
    Section& appendSection(std::string_view name);
    void terminateLastLine();
    bool endsWithBlankLine() const;

    bool byteOrderMark_ = false;
    std::vector<Section> sections_;  // sections_[0] holds the lines before any header
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-cased name, first wins
};

}  // namespace platform::ini
