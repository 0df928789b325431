#include "platform/ini/PrivateProfile.h"

#include "platform/ini/AtomicFile.h"
#include "platform/ini/FolderLock.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/ProfileValues.h"

namespace platform::ini {

namespace {

// A missing file is an empty document; nullopt when the file cannot be read.
std::optional<IniDocument> loadDocument(const std::string& path)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return IniDocument::parse(*bytes);
}

// One read-modify-write under the writers' lock; the file is replaced only when
// the edit changed something.
template <typename EditFunction>
bool editFile(const std::string& path, EditFunction edit)
{
    const FolderLock lock(path);
    if (!lock.locked())
        return false;
    removeLeftoverTemporary(path);
    auto document = loadDocument(path);
    if (!document)
        return false;
    switch (edit(*document)) {
    case Edit::Rejected:
        return false;
    case Edit::Unchanged:
        return true;
    case Edit::Changed:
        break;
    }
    return replaceFileAtomically(path, document->serialize());
}

}  // namespace

std::string readString(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view defaultValue)
{
    const auto document = loadDocument(path);
    return document ? readStringFrom(*document, section, key, defaultValue)
                    : std::string(defaultValue);
}

int readInt(const std::string& path, std::string_view section, std::string_view key,
            int defaultValue)
{
    const auto document = loadDocument(path);
    return document ? readIntFrom(*document, section, key, defaultValue) : defaultValue;
}

bool readStruct(const std::string& path, std::string_view section, std::string_view key,
                void* out, std::size_t size)
{
    const auto document = loadDocument(path);
    return document && readStructFrom(*document, section, key, out, size);
}

std::vector<std::string> sectionNames(const std::string& path)
{
    const auto document = loadDocument(path);
    return document ? document->sectionNames() : std::vector<std::string>();
}

bool writeString(const std::string& path, std::string_view section, std::string_view key,
                 std::string_view value)
{
    return editFile(path, [&](IniDocument& document) {
        return document.setValue(section, key, value);
    });
}

bool writeInt(const std::string& path, std::string_view section, std::string_view key, int value)
{
    return editFile(path, [&](IniDocument& document) {
        return writeIntTo(document, section, key, value);
    });
}

bool writeStruct(const std::string& path, std::string_view section, std::string_view key,
                 const void* data, std::size_t size)
{
    return editFile(path, [&](IniDocument& document) {
        return writeStructTo(document, section, key, data, size);
    });
}

bool deleteKey(const std::string& path, std::string_view section, std::string_view key)
{
    return editFile(path, [&](IniDocument& document) { return document.removeKey(section, key); });
}

bool deleteSection(const std::string& path, std::string_view section)
{
    return editFile(path, [&](IniDocument& document) { return document.removeSection(section); });
}

}  // namespace platform::ini
