#include "platform/input/X11Connection.h"

#include <atomic>

#include <X11/extensions/XTest.h>

namespace platform {
namespace {

constexpr auto kRetryInterval = std::chrono::seconds(5);

std::mutex& trapMutex()
{
    static std::mutex instance;
    return instance;
}

std::atomic<bool> errorSeen{false};

int recordError(Display*, XErrorEvent*)
{
    errorSeen.store(true);
    return 0;
}

}  // namespace

X11Connection::X11Connection(const char* displayName)
    : name_(displayName != nullptr ? displayName : ""), hasName_(displayName != nullptr)
{
}

X11Connection::~X11Connection()
{
    if (display_ != nullptr) XCloseDisplay(display_);
}

Display* X11Connection::display()
{
    if (display_ != nullptr) return display_;
    const auto now = std::chrono::steady_clock::now();
    if (now < nextAttempt_) return nullptr;
    display_ = XOpenDisplay(hasName_ ? name_.c_str() : nullptr);
    if (display_ == nullptr) nextAttempt_ = now + kRetryInterval;
    return display_;
}

Display* X11Connection::displayWithXTest()
{
    Display* open = display();
    if (open == nullptr) return nullptr;
    if (!xtestChecked_) {
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        hasXTest_ = XTestQueryExtension(open, &eventBase, &errorBase, &major, &minor);
        xtestChecked_ = true;
    }
    return hasXTest_ ? open : nullptr;
}

X11ErrorTrap::X11ErrorTrap(Display* display) : lock_(trapMutex()), display_(display)
{
    XSync(display_, False);
    errorSeen.store(false);
    previous_ = XSetErrorHandler(&recordError);
}

X11ErrorTrap::~X11ErrorTrap()
{
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

bool X11ErrorTrap::succeeded()
{
    XSync(display_, False);
    return !errorSeen.load();
}

}  // namespace platform
