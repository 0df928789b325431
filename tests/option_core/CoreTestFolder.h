#pragma once
// A fresh program folder per test, with a private runtime folder so that no
// running monitor is ever found, and a core started on it.

#include <memory>
#include <optional>

#include "option/core/ApplicationCore.h"
#include "option/core/StartUp.h"
#include "tests/settings/TempFolder.h"

namespace option::core::test {

class CoreTestFolder {
public:
    CoreTestFolder()
    {
        std::filesystem::create_directories(folder_.path() + "run");
        std::filesystem::permissions(folder_.path() + "run", std::filesystem::perms::owner_all);
        runtime_.emplace("XDG_RUNTIME_DIR", folder_.path() + "run");
    }
    const std::string& path() const { return folder_.path(); }
    std::unique_ptr<ApplicationCore> startCore(SettingsSource* source = nullptr) const
    {
        auto core = std::make_unique<ApplicationCore>(settings::InstallFolder(folder_.path()));
        const SettingsSource from = startUp(*core);
        if (source)
            *source = from;
        return core;
    }

private:
    settings::test::TempFolder folder_;
    std::optional<settings::test::ScopedEnv> runtime_;
};

}  // namespace option::core::test
