#pragma once
// A fresh folder per test for the configuration files, with the registry store
// of the platform layer moved into it so tests never touch the user's settings.

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/TemporaryFolder.h"

namespace settings::test {

using testsupport::readFile;
using testsupport::ScopedEnv;
using testsupport::writeFile;

class TempFolder {
public:
    TempFolder() : folder_("zuro-settings"), path_(folder_.folder())
    {
        std::filesystem::create_directories(path_ + "config");
        std::filesystem::create_directories(path_ + "xdg-config");
        registryHome_.emplace("XDG_CONFIG_HOME", path_ + "xdg-config");
    }

    // With a trailing '/'.
    const std::string& path() const { return path_; }

private:
    testsupport::TemporaryFolder folder_;
    std::string path_;
    std::optional<ScopedEnv> registryHome_;
};

}  // namespace settings::test
