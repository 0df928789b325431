#pragma once
// Diagnostic text, in place of OutputDebugString: written to stderr only when the
// environment variable ZURO_DEBUG is set to a non-empty value other than "0".

#include <string_view>

namespace platform {

bool debugOutputEnabled();
void debugOutput(std::string_view text);
// printf-style; the text is written as formatted (lines carry their own "\n").
void debugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
