#pragma once
// The subcommands of zuroctl, each on a started application core; they return
// the exit status and print what they report.
#include <optional>
#include <string>
#include <vector>

#include "option/core/ApplicationCore.h"

namespace zuroctl {

using Arguments = std::vector<std::string>;

int runStatus(option::core::ApplicationCore& core);
// How `show` prints a profile: a summary, the raw INI keys, or JSON.
enum class ShowFormat { Summary, Keys, Json };
int runShow(option::core::ApplicationCore& core, std::optional<int> profile, ShowFormat format);
int runSet(option::core::ApplicationCore& core, std::optional<int> profile, const Arguments& assignments);
int runButton(option::core::ApplicationCore& core, std::optional<int> profile, int slot, const Arguments& function);
int runProfileSelect(option::core::ApplicationCore& core, int profile);
int runProfileImport(option::core::ApplicationCore& core, std::optional<int> slot, const std::string& file);
int runProfileExport(option::core::ApplicationCore& core, std::optional<int> slot, const std::string& file);
int runReset(option::core::ApplicationCore& core);
int runStats(option::core::ApplicationCore& core, bool reset);
int runMacroList(const option::core::ApplicationCore& core);
int runTimerList(const option::core::ApplicationCore& core);

}  // namespace zuroctl
