#include "tests/mousesim/ProgramTestSupport.h"

#include <fstream>

namespace mousesim::test {

std::vector<std::string> readLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> logEntries(const std::string& logPath, const std::string& direction)
{
    std::vector<std::string> entries;
    const std::string marker = " " + direction + " ";
    for (const std::string& line : readLines(logPath)) {
        const std::size_t at = line.find(marker);
        // Lines are "<ms> <DIR> <bytes>"; the time stamp is all digits.
        if (at == std::string::npos || at == 0 || line.find_first_not_of("0123456789") != at) continue;
        entries.push_back(line.substr(at + marker.size()));
    }
    return entries;
}

}  // namespace mousesim::test
