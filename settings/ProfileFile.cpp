#include "settings/ProfileFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/stat.h>

#include "platform/ini/AtomicFile.h"
#include "platform/ini/FolderLock.h"
#include "platform/ini/IniBatch.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/ProfileValues.h"
#include "settings/ChangeFlags.h"
#include "settings/ProfileFields.h"
#include "settings/RecordBytes.h"

namespace settings {
namespace {

using platform::ini::IniDocument;

constexpr std::string_view kSection = "Setting";

const std::uint8_t* fieldBytes(const ProfileRecord& profile, const ProfileField& field)
{
    return reinterpret_cast<const std::uint8_t*>(&profile) + field.offset;
}

std::uint8_t* fieldBytes(ProfileRecord& profile, const ProfileField& field)
{
    return reinterpret_cast<std::uint8_t*>(&profile) + field.offset;
}

// The text up to the first NUL, never past the field.
std::string_view textOf(const ProfileRecord& profile, const ProfileField& field)
{
    const char* text = reinterpret_cast<const char*>(fieldBytes(profile, field));
    return std::string_view(text, strnlen(text, field.size));
}

bool hasProfileKey(const IniDocument& document)
{
    for (const ProfileField& field : profileFields())
        if (document.value(kSection, field.key))
            return true;
    return false;
}

void readProfile(const IniDocument& document, ProfileRecord& profile)
{
    zeroBytes(profile);
    for (const ProfileField& field : profileFields()) {
        switch (field.kind) {
        case FieldKind::Text: {
            const std::string text = platform::ini::readStringFrom(document, kSection, field.key, {});
            std::memcpy(fieldBytes(profile, field), text.data(), std::min(text.size(), field.size - 1));
            break;
        }
        case FieldKind::Int32:
        case FieldKind::Byte:
            setIntValue(profile, field, platform::ini::readIntFrom(document, kSection, field.key, field.missing));
            break;
        case FieldKind::Color:
        case FieldKind::Button:
            if (!platform::ini::readStructFrom(document, kSection, field.key, fieldBytes(profile, field), field.size))
                std::memset(fieldBytes(profile, field), 0, field.size);
            break;
        }
    }
}

// Writes through an IniBatch (a file rewritten in place) or into a document.
template <typename Writer>
void writeProfile(Writer& file, const ProfileRecord& profile)
{
    for (const ProfileField& field : profileFields()) {
        switch (field.kind) {
        case FieldKind::Text:
            file.writeString(kSection, field.key, textOf(profile, field));
            break;
        case FieldKind::Int32:
        case FieldKind::Byte:
            file.writeInt(kSection, field.key, intValue(profile, field));
            break;
        case FieldKind::Color:
        case FieldKind::Button:
            file.writeStruct(kSection, field.key, fieldBytes(profile, field), field.size);
            break;
        }
    }
}

class DocumentWriter {
public:
    explicit DocumentWriter(IniDocument& document) : document_(document) {}
    void writeString(std::string_view section, std::string_view key, std::string_view value)
    {
        document_.setValue(section, key, value);
    }
    void writeInt(std::string_view section, std::string_view key, int value)
    {
        platform::ini::writeIntTo(document_, section, key, value);
    }
    void writeStruct(std::string_view section, std::string_view key, const void* data, std::size_t size)
    {
        platform::ini::writeStructTo(document_, section, key, data, size);
    }

private:
    IniDocument& document_;
};

// The file a new profile file goes to: `path` itself, or the regular file a
// symbolic link names; nullopt when something else is there.
std::optional<std::string> regularTarget(const std::string& path, bool& failed)
{
    failed = false;
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        failed = errno != ENOENT;
        return path;
    }
    if (S_ISREG(status.st_mode))
        return path;
    if (!S_ISLNK(status.st_mode) || ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    failed = static_cast<bool>(error);
    return target.string();
}

}  // namespace

ProfileFileRead readProfileFile(const std::string& path, ProfileRecord& profile)
{
    // Checked before opening: opening a FIFO for reading waits for a writer.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return ProfileFileRead::CannotOpen;
    if (!S_ISREG(status.st_mode))
        return ProfileFileRead::NotARegularFile;
    const std::optional<std::string> bytes = platform::ini::readWholeFile(path);
    if (!bytes)
        return ProfileFileRead::CannotOpen;
    const IniDocument document = IniDocument::parse(*bytes);
    if (!hasProfileKey(document))
        return ProfileFileRead::NotAProfile;
    readProfile(document, profile);
    return ProfileFileRead::Loaded;
}

bool loadProfileFile(ProfileRecord& profile, const std::string& path)
{
    return readProfileFile(path, profile) == ProfileFileRead::Loaded;
}

bool saveProfileFile(const ProfileRecord& profile, const std::string& path)
{
    platform::ini::IniBatch file(path);
    writeProfile(file, profile);
    return file.commit();
}

ProfileFileWrite writeNewProfileFile(const ProfileRecord& profile, const std::string& path)
{
    bool failed = false;
    const std::optional<std::string> target = regularTarget(path, failed);
    if (!target)
        return ProfileFileWrite::NotARegularFile;
    if (failed)
        return ProfileFileWrite::Failed;
    IniDocument document;
    DocumentWriter writer(document);
    writeProfile(writer, profile);
    const platform::ini::FolderLock lock(*target);
    if (!lock.locked() || !platform::ini::replaceFileAtomically(*target, document.serialize()))
        return ProfileFileWrite::Failed;
    return ProfileFileWrite::Written;
}

bool loadProfileIntoSlot(SettingsBlock& block, int slot, const std::string& path)
{
    if (!isValidProfileIndex(slot) || !loadProfileFile(block.Profiles[slot], path))
        return false;
    setAllButtonFlags(block, slot);
    return true;
}

}  // namespace settings
