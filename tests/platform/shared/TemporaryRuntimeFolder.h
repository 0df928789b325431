#pragma once
// A fresh private folder (mode 0700) used as XDG_RUNTIME_DIR for one test; removed,
// and the previous XDG_RUNTIME_DIR restored, at the end of the test.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

class TemporaryRuntimeFolder {
public:
    TemporaryRuntimeFolder()
    {
        if (const char* previous = std::getenv("XDG_RUNTIME_DIR")) previous_ = previous;
        std::string pattern = (std::filesystem::temp_directory_path() / "zuro-test-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
        setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
    }

    ~TemporaryRuntimeFolder()
    {
        if (previous_) {
            setenv("XDG_RUNTIME_DIR", previous_->c_str(), 1);
        } else {
            unsetenv("XDG_RUNTIME_DIR");
        }
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }

    TemporaryRuntimeFolder(const TemporaryRuntimeFolder&) = delete;
    TemporaryRuntimeFolder& operator=(const TemporaryRuntimeFolder&) = delete;

    bool valid() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    // The folder runtimeDirectory() makes in it.
    std::string objectFolder() const { return path_ + "/zuronoxa/"; }

private:
    std::string path_;
    std::optional<std::string> previous_;
};

}  // namespace testsupport
