// The foreground process from the window manager's _NET_ACTIVE_WINDOW and the
// _NET_WM_PID of that window.

#include "platform/desktop/ForegroundProgram.h"
#include "platform/input/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <mutex>
#include <optional>

namespace platform {
namespace {

// The first 32-bit item of a property of `window`, when it has the type and
// format asked for.
std::optional<unsigned long> cardinalProperty(Display* display, Window window, Atom property, Atom type)
{
    X11ErrorTrap trap(display);
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType,
                                          &actualFormat, &items, &remaining, &data);
    std::optional<unsigned long> value;
    if (status == Success && trap.succeeded() && actualType == type && actualFormat == 32 && items >= 1 &&
        data != nullptr)
        value = reinterpret_cast<const unsigned long*>(data)[0];  // format 32 items are longs
    if (data != nullptr) XFree(data);
    return value;
}

class X11ForegroundProgram final : public ForegroundProgram {
public:
    explicit X11ForegroundProgram(const char* displayName) : connection_(displayName) {}

    ProcessId foregroundProcess() override
    {
        std::lock_guard lock(mutex_);
        Display* display = connection_.display();
        if (display == nullptr) return 0;
        const Atom activeWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
        const Atom processIdAtom = XInternAtom(display, "_NET_WM_PID", False);
        const auto window = cardinalProperty(display, DefaultRootWindow(display), activeWindow, XA_WINDOW);
        if (!window || *window == 0) return 0;
        const auto processId = cardinalProperty(display, static_cast<Window>(*window), processIdAtom, XA_CARDINAL);
        if (!processId || *processId == 0 || *processId > 0xFFFFFFFFul) return 0;
        return static_cast<ProcessId>(*processId);
    }

private:
    std::mutex mutex_;
    X11Connection connection_;
};

}  // namespace

std::unique_ptr<ForegroundProgram> openForegroundProgram(const char* displayName)
{
    return std::make_unique<X11ForegroundProgram>(displayName);
}

}  // namespace platform
