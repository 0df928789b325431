#pragma once
// Small readings of the report log and the files the tests share.

#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "ReportLogWatcher.h"

namespace e2e {

using testsupport::ChildProcess;
using testsupport::Milliseconds;

// The feature-report texts, each cut to the length of the expected text at its
// place (the rest kept whole), so a comparison shows every difference.
std::vector<std::string> prefixesOf(const std::vector<LogEntry>& entries, const std::vector<std::string>& expected,
                                    std::size_t from = 0);
// The report's bytes as numbers.
std::vector<int> bytesOf(const std::string& hexBytes);
// CpiLevel_X0-4 from the first settings report (GET 06) of `profile` in the log.
std::vector<int> cpiLevelsOfSettingsReport(const std::vector<LogEntry>& entries, int profile);
// The value of the first line "key=value" of an INI text; "" when missing.
std::string iniValue(const std::string& text, const std::string& key);
// Blocks (inotify) until `path` exists.
bool waitForFile(const std::string& path, Milliseconds limit);

}  // namespace e2e
