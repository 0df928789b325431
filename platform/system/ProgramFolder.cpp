#include "platform/system/ProgramFolder.h"

#include <unistd.h>

namespace platform {

std::string programFolder()
{
    // readlink does not say whether it truncated, so grow until the link fits.
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", target.data(), target.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            break;
        }
        if (target.size() >= 65536) return {};
        target.resize(target.size() * 2);
    }
    const std::size_t slash = target.rfind('/');
    if (slash == std::string::npos) return {};
    return target.substr(0, slash + 1);
}

}  // namespace platform
