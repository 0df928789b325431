#pragma once
// A folder of the fuzz target's own for the files the code under test writes,
// in memory where /dev/shm exists, removed when the target exits.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

namespace fuzzing {

inline void removeWorkFolder();

// With a trailing '/'. Never destroyed: the exit handler still needs its name.
inline const std::string& workFolder()
{
    static const std::string* folder = [] {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "zuro-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        auto* made = new std::string(pattern + "/");
        std::atexit(removeWorkFolder);
        return made;
    }();
    return *folder;
}

inline void removeWorkFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(workFolder(), ignored);
}

}  // namespace fuzzing
