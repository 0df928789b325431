#include "platform/registry/RegistryStore.h"

#include "platform/ini/IniBatch.h"
#include "platform/ini/PrivateProfile.h"
#include "platform/system/UserFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

constexpr const char* kStoreFolder = "zuronoxa";
constexpr const char* kStoreFile = "registry.ini";
// Longest key name Windows accepts in one path segment.
constexpr std::size_t kMaxKeyNameLength = 255;
// A placeholder written and removed again in the same batch, leaving an empty section.
constexpr std::string_view kCreationMarker = "ZuroKeyCreated";

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return lowerAscii(c); });
    return lower;
}

bool hasLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// "Control Panel\\Mouse\\" and "\\Control Panel\\Mouse" name the same key;
// nullopt for a path that cannot name a key.
std::optional<std::string> normalizedKeyPath(std::string_view keyPath)
{
    std::string normalized;
    while (!keyPath.empty()) {
        const std::size_t separator = keyPath.find('\\');
        const std::string_view segment = keyPath.substr(0, separator);
        keyPath = separator == std::string_view::npos ? std::string_view() : keyPath.substr(separator + 1);
        if (segment.empty()) continue;
        if (segment.size() > kMaxKeyNameLength || hasLineBreakOrNul(segment)) return std::nullopt;
        if (!normalized.empty()) normalized += '\\';
        normalized += segment;
    }
    if (normalized.empty()) return std::nullopt;
    return normalized;
}

// A key exists when it was created, or when one of its subkeys was: creating
// "A\\B" makes "A" as well.
bool keyExists(const std::vector<std::string>& sections, const std::string& keyPath)
{
    const std::string lowerPath = lowerAscii(keyPath);
    const std::string lowerPrefix = lowerPath + '\\';
    for (const std::string& section : sections) {
        const std::string lowerSection = lowerAscii(section);
        if (lowerSection == lowerPath || lowerSection.starts_with(lowerPrefix)) return true;
    }
    return false;
}

// The INI file drops blanks around a value and one pair of enclosing quotes is
// removed on reading, so values that would lose either are stored quoted.
std::string encodeValue(std::string_view value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (!value.empty() && (blank(value.front()) || blank(value.back()) || value.front() == '"'))
        return '"' + std::string(value) + '"';
    return std::string(value);
}

std::string decodeValue(std::string_view stored)
{
    if (stored.size() >= 2 && stored.front() == '"' && stored.back() == '"')
        stored = stored.substr(1, stored.size() - 2);
    return std::string(stored);
}

}  // namespace

std::string registryFile()
{
    const std::string base = configHome();
    if (base.empty() || !ensureFolder(base)) return {};
    const std::string folder = base + "/" + kStoreFolder;
    if (!ensureFolder(folder)) return {};
    return folder + "/" + kStoreFile;
}

std::optional<RegistryKey> RegistryKey::open(std::string_view keyPath)
{
    const auto path = normalizedKeyPath(keyPath);
    if (!path) return std::nullopt;
    std::string file = registryFile();
    if (file.empty()) return std::nullopt;
    const ini::IniBatch store(file, false);
    if (!store.readable() || !keyExists(store.sectionNames(), *path)) return std::nullopt;
    return RegistryKey(std::move(file), *path);
}

std::optional<RegistryKey> RegistryKey::openOrCreate(std::string_view keyPath)
{
    const auto path = normalizedKeyPath(keyPath);
    if (!path) return std::nullopt;
    std::string file = registryFile();
    if (file.empty()) return std::nullopt;
    ini::IniBatch store(file, true);
    if (!store.readable()) return std::nullopt;
    if (!keyExists(store.sectionNames(), *path)) {
        store.writeString(*path, kCreationMarker, "");
        store.deleteKey(*path, kCreationMarker);
        if (!store.commit() || !keyExists(store.sectionNames(), *path)) return std::nullopt;
    }
    return RegistryKey(std::move(file), *path);
}

std::optional<std::string> RegistryKey::readString(std::string_view valueName, std::size_t maxBytes) const
{
    if (valueName.empty()) return std::nullopt;
    const ini::IniBatch store(file_, false);
    if (!store.hasKey(keyPath_, valueName)) return std::nullopt;
    std::string value = decodeValue(store.readString(keyPath_, valueName));
    // As a buffer of maxBytes that keeps room for the terminating NUL.
    const std::size_t room = maxBytes > 0 ? maxBytes - 1 : 0;
    if (value.size() > room) value.resize(room);
    return value;
}

bool RegistryKey::writeString(std::string_view valueName, std::string_view value)
{
    if (valueName.empty() || hasLineBreakOrNul(valueName) || hasLineBreakOrNul(value)) return false;
    return ini::writeString(file_, keyPath_, valueName, encodeValue(value));
}

}  // namespace platform
