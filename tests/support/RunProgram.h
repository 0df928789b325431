#pragma once
// A program run to its end by a test, its standard output and error kept apart.

#include <string>
#include <vector>

namespace testsupport {

struct ProgramRun {
    int exitCode = -1;  // -1 when it did not end normally in time
    std::string out;
    std::string err;
};

// Runs `program` with `args` in the current environment, at most `timeoutMs`.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args, int timeoutMs = 10000);

}  // namespace testsupport
