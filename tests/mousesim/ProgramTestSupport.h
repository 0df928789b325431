#pragma once
// Pieces shared by the tests that run the simulator as a program: a private
// runtime folder, the command line run as a child with its output and exit
// code, and the simulator's log read back.

#include <string>
#include <vector>

#include "tests/support/RunProgram.h"
#include "tests/support/TemporaryFolder.h"

namespace mousesim::test {

using PrivateFolder = testsupport::TemporaryFolder;
using testsupport::ProgramRun;
using testsupport::runProgram;

// Sets an environment variable for the scope and puts the old value back.
class ScopedVariable : public testsupport::ScopedEnv {
public:
    ScopedVariable(const char* name, const std::string& value) : ScopedEnv(name, value) {}
};

std::vector<std::string> readLines(const std::string& path);
inline std::string readText(const std::string& path) { return testsupport::readFile(path); }

// The log lines of one direction ("SET", "GET", "IN") without their time stamps.
std::vector<std::string> logEntries(const std::string& logPath, const std::string& direction);

}  // namespace mousesim::test
