#include "platform/system/DebugOutput.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace platform {
namespace {

void writeWhole(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

}  // namespace

bool debugOutputEnabled()
{
    const char* value = std::getenv("ZURO_DEBUG");
    return value && value[0] != '\0' && std::string_view(value) != "0";
}

void debugOutput(std::string_view text)
{
    if (!debugOutputEnabled() || text.empty()) return;
    // One write per call keeps lines of concurrent callers whole; a text without
    // its own line end gets one, so that every call is a line of its own.
    std::string line(text);
    if (line.back() != '\n') line += '\n';
    writeWhole(STDERR_FILENO, line.data(), line.size());
}

void debugPrintf(const char* format, ...)
{
    if (!debugOutputEnabled() || !format) return;
    char small[512];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(small, sizeof small, format, arguments);
    va_end(arguments);
    if (length < 0) return;
    if (static_cast<std::size_t>(length) < sizeof small) {
        debugOutput(std::string_view(small, static_cast<std::size_t>(length)));
        return;
    }
    std::string large(static_cast<std::size_t>(length) + 1, '\0');
    va_start(arguments, format);
    std::vsnprintf(large.data(), large.size(), format, arguments);
    va_end(arguments);
    large.resize(static_cast<std::size_t>(length));
    debugOutput(large);
}

}  // namespace platform
