#pragma once
// INI files with the semantics of the Windows private-profile functions.
// Sections and keys match without regard to case; a write keeps every other line
// and the key's original spelling, appends what is new, and ends lines in CRLF.
// Each call reads the file once and a write replaces it atomically under an
// advisory lock, so two processes writing different keys lose nothing.
// Values are bytes: no encoding is assumed. A read value has its surrounding
// blanks (space, tab) removed and quotes are kept, so every value reads back as
// written apart from surrounding blanks. CR, LF and NUL in anything written become
// blanks, so no value can break the file. The file format in detail, including
// duplicates, unknown lines and broken input: IniDocument.h.
// Readers take no lock: a file is only ever replaced whole.
// For many keys of one file, IniBatch reads and writes the file once.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ini {

// GetPrivateProfileString: the value with surrounding blanks removed, or
// `defaultValue` when the section, key or file is missing.
std::string readString(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view defaultValue = {});

// GetPrivateProfileInt with a signed reader: optional leading blanks and sign,
// then the leading digits ("  -12abc" gives -12, "abc" gives 0). A missing key or
// an empty value gives `defaultValue`. Beyond the range of int the result
// saturates at INT_MIN or INT_MAX.
int readInt(const std::string& path, std::string_view section, std::string_view key, int defaultValue);

// GetPrivateProfileStruct: fills `out` only when the value has exactly
// 2 * size + 2 hex digits and its checksum (byte sum mod 256) matches.
bool readStruct(const std::string& path, std::string_view section, std::string_view key,
                void* out, std::size_t size);

// GetPrivateProfileSectionNames, in file order; a repeated section is listed once.
std::vector<std::string> sectionNames(const std::string& path);

// WritePrivateProfileString; creates the file (not its folder) when missing.
// Writers return false for a name that cannot be written, an unreadable file or a
// failed write; the file is then unchanged. Writing a value the file already
// holds leaves the file untouched.
bool writeString(const std::string& path, std::string_view section, std::string_view key,
                 std::string_view value);
// The integer as "%d".
bool writeInt(const std::string& path, std::string_view section, std::string_view key, int value);
// WritePrivateProfileStruct: uppercase hex of every byte, then the checksum byte.
// Reading accepts lowercase hex too.
bool writeStruct(const std::string& path, std::string_view section, std::string_view key,
                 const void* data, std::size_t size);
// Remove every occurrence; true also when there was nothing to remove.
bool deleteKey(const std::string& path, std::string_view section, std::string_view key);
bool deleteSection(const std::string& path, std::string_view section);

// Struct encoding shared with the readers above.
std::string encodeStruct(const void* data, std::size_t size);
bool decodeStruct(std::string_view text, void* out, std::size_t size);
// The integer reader used by readInt; an empty or all-blank text gives the default.
int parseInt(std::string_view text, int defaultValueWhenEmpty);

}  // namespace platform::ini
