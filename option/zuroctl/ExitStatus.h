#pragma once
// zuroctl's exit statuses, for scripts.
namespace zuroctl {

inline constexpr int kSuccess = 0;
inline constexpr int kRefused = 1;     // a value outside what the settings allow; nothing written
inline constexpr int kUsageError = 2;  // unknown command, option or key, missing argument
inline constexpr int kFailed = 3;      // a file could not be read or written
inline constexpr int kNotTaken = 4;    // saved, but the mouse did not take the change (absent, or
                                       // it refused a report); the monitor sends it when the mouse is back

}  // namespace zuroctl
