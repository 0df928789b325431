#pragma once
// A fresh installation folder per test, removed afterwards.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "settings/InstallFolder.h"

namespace monitor::protocol::test {

class ProtocolFolder {
public:
    ProtocolFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zuro-protocol-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern + "/";
    }
    ~ProtocolFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProtocolFolder(const ProtocolFolder&) = delete;
    ProtocolFolder& operator=(const ProtocolFolder&) = delete;

    settings::InstallFolder folder() const { return settings::InstallFolder(path_); }
    std::string file(const std::string& name) const { return path_ + name; }

    void write(const std::string& name, const std::string& content) const
    {
        const std::filesystem::path path = path_ + name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    }

    std::string read(const std::string& name) const
    {
        std::ifstream stream(path_ + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }

private:
    std::string path_;
};

}  // namespace monitor::protocol::test
