#pragma once
// Points XDG_CONFIG_HOME at a fresh folder for one test and restores it after.

#include "TemporaryFolder.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace platform::test {

class ConfigHome {
public:
    ConfigHome()
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
        setenv("XDG_CONFIG_HOME", path().c_str(), 1);
    }
    ~ConfigHome()
    {
        if (saved_) setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    bool valid() const { return folder_.valid(); }
    // Not made yet: the store creates it.
    std::string path() const { return folder_.file("config"); }
    std::string storeFile() const { return path() + "/zuronoxa/registry.ini"; }
    const TemporaryFolder& folder() const { return folder_; }

private:
    TemporaryFolder folder_;
    std::optional<std::string> saved_;
};

}  // namespace platform::test
