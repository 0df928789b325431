#pragma once
// A private temporary folder per test, and whole-file helpers for byte-exact checks.

#include <string>
#include <string_view>

#include "tests/support/TemporaryFolder.h"

namespace ini_test {

using testsupport::TemporaryFolder;

inline std::string fileBytes(const std::string& path)
{
    return testsupport::readFile(path);
}

inline void putFile(const std::string& path, std::string_view bytes)
{
    testsupport::writeFile(path, bytes);
}

}  // namespace ini_test
