#include "E2eChecks.h"

#include <filesystem>
#include <sstream>

namespace e2e {

std::vector<std::string> prefixesOf(const std::vector<LogEntry>& entries, const std::vector<std::string>& expected,
                                    std::size_t from)
{
    std::vector<std::string> texts = textsFrom(entries, from);
    for (std::size_t i = 0; i < texts.size() && i < expected.size(); ++i)
        texts[i] = texts[i].substr(0, expected[i].size());
    return texts;
}

std::vector<int> bytesOf(const std::string& hexBytes)
{
    std::vector<int> bytes;
    std::istringstream in(hexBytes);
    std::string word;
    while (in >> word)
        bytes.push_back(std::stoi(word, nullptr, 16));
    return bytes;
}

std::vector<int> cpiLevelsOfSettingsReport(const std::vector<LogEntry>& entries, int profile)
{
    for (const LogEntry& entry : entries) {
        if (entry.direction != "GET")
            continue;
        const std::vector<int> bytes = bytesOf(entry.bytes);
        if (bytes.size() == 31 && bytes[0] == 6 && bytes[2] == profile)
            return {bytes[7] >> 1, bytes[8] >> 1, bytes[9] >> 1, bytes[10] >> 1, bytes[11] >> 1};
    }
    return {};
}

std::string iniValue(const std::string& text, const std::string& key)
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.starts_with(key + "="))
            return line.substr(key.size() + 1);
    }
    return "";
}

bool waitForFile(const std::string& path, Milliseconds limit)
{
    ReportLogWatcher watcher(path);
    return watcher.waitUntil([&](const std::vector<LogEntry>&) { return std::filesystem::exists(path); }, limit);
}

}  // namespace e2e
