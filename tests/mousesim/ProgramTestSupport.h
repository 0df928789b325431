#pragma once
// Pieces shared by the tests that run the simulator as a program: a private
// runtime folder, the command line run as a child with its output and exit
// code, and the simulator's log read back.

#include <optional>
#include <string>
#include <vector>

namespace mousesim::test {

// A fresh folder of mode 0700, removed with everything in it at the end.
class PrivateFolder {
public:
    explicit PrivateFolder(const char* prefix);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Sets an environment variable for the scope and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct ProgramRun {
    int exitCode = -1;  // -1 when it did not end normally in time
    std::string out;
    std::string err;
};

// Runs `program` with `args` in the current environment, at most `timeoutMs`.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args, int timeoutMs = 10000);

std::vector<std::string> readLines(const std::string& path);
std::string readText(const std::string& path);

// The log lines of one direction ("SET", "GET", "IN") without their time stamps.
std::vector<std::string> logEntries(const std::string& logPath, const std::string& direction);

}  // namespace mousesim::test
