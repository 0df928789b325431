#pragma once
// Test helpers shared by every test program: a private temporary folder per
// test, an environment variable set for one scope, whole-file reads and writes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include <unistd.h>

namespace testsupport {

// A fresh folder of mode 0700, removed with everything in it at the end.
class TemporaryFolder {
public:
    explicit TemporaryFolder(std::string_view prefix = "zuro-test")
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    bool valid() const { return !path_.empty(); }
    // Without a trailing '/'.
    const std::string& path() const { return path_; }
    // With a trailing '/', as an installation folder is given.
    std::string folder() const { return path_ + "/"; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

    // Writes `bytes` to `name`, creating the folders on the way.
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;

private:
    std::string path_;
};

inline std::string readFile(const std::string& path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void TemporaryFolder::write(std::string_view name, std::string_view bytes) const
{
    const std::filesystem::path path = file(name);
    std::filesystem::create_directories(path.parent_path());
    writeFile(path.string(), bytes);
}

inline std::string TemporaryFolder::read(std::string_view name) const
{
    return readFile(file(name));
}

// Sets (or, with nullopt, removes) an environment variable for the scope and
// puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A fresh folder used as XDG_RUNTIME_DIR for one test, where the named shared
// objects and the message windows of the programs live.
class TemporaryRuntimeFolder {
public:
    TemporaryRuntimeFolder() : folder_("zuro-runtime"), runtime_("XDG_RUNTIME_DIR", folder_.path()) {}

    bool valid() const { return folder_.valid(); }
    const std::string& path() const { return folder_.path(); }
    // The folder the platform layer makes in it.
    std::string objectFolder() const { return folder_.path() + "/zuronoxa/"; }

private:
    TemporaryFolder folder_;
    ScopedEnv runtime_;
};

}  // namespace testsupport
