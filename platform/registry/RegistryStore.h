#pragma once
// The current user's registry values the programs use ("Control Panel\Mouse",
// "Control Panel\Desktop", ...), kept as an INI file under
// $XDG_CONFIG_HOME/zuronoxa/registry.ini (or ~/.config/zuronoxa/): one section per
// key path, written through the INI engine so that programs writing different
// values at the same time lose nothing.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class RegistryKey {
public:
    // RegOpenKeyEx / RegCreateKeyEx under HKEY_CURRENT_USER. Key paths use '\' as
    // in Windows and match without regard to case; empty segments are ignored.
    // A key exists once it or one of its subkeys was created. nullopt on failure,
    // for open() also when the key does not exist.
    static std::optional<RegistryKey> open(std::string_view keyPath);
    static std::optional<RegistryKey> openOrCreate(std::string_view keyPath);

    // REG_SZ values. nullopt when the value is missing; a value longer than
    // `maxBytes - 1` is cut, as a fixed buffer would. Value names cannot be empty,
    // hold '=' or line breaks, or start with ';' or '['; values cannot hold line
    // breaks or NUL: such writes return false.
    std::optional<std::string> readString(std::string_view valueName, std::size_t maxBytes = 2048) const;
    bool writeString(std::string_view valueName, std::string_view value);

    const std::string& path() const { return keyPath_; }

private:
    RegistryKey(std::string file, std::string keyPath) : file_(std::move(file)), keyPath_(std::move(keyPath)) {}
    std::string file_;
    std::string keyPath_;
};

// The file that holds the store; "" when no configuration folder can be made.
std::string registryFile();

}  // namespace platform
