#include "RawKeyObserver.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <poll.h>
#include <unistd.h>

namespace e2e {

struct RawKeyObserver::DisplayHandle {
    Display* display = nullptr;
    ~DisplayHandle()
    {
        if (display)
            XCloseDisplay(display);
    }
};

std::unique_ptr<RawKeyObserver> RawKeyObserver::open()
{
    std::unique_ptr<RawKeyObserver> observer(new RawKeyObserver);
    observer->display_ = std::make_unique<DisplayHandle>();
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    observer->display_->display = display;
    int event = 0, error = 0, major = 2, minor = 0;
    if (!XQueryExtension(display, "XInputExtension", &observer->opcode_, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success)
        return nullptr;

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XSync(display, False);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return nullptr;
    observer->wakeRead_ = pipeEnds[0];
    observer->wakeWrite_ = pipeEnds[1];
    observer->thread_ = std::thread([raw = observer.get()] { raw->run(); });
    return observer;
}

RawKeyObserver::~RawKeyObserver()
{
    if (thread_.joinable()) {
        const char wake = 1;
        (void)!write(wakeWrite_, &wake, 1);
        thread_.join();
    }
    if (wakeRead_ >= 0)
        close(wakeRead_);
    if (wakeWrite_ >= 0)
        close(wakeWrite_);
}

unsigned RawKeyObserver::keycodeOf(unsigned long keysym) const
{
    return XKeysymToKeycode(display_->display, keysym);
}

void RawKeyObserver::run()
{
    Display* display = display_->display;
    pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const auto arrived = std::chrono::steady_clock::now();
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != opcode_ || !XGetEventData(display, cookie))
                continue;
            if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
                const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
                std::lock_guard lock(mutex_);
                events_.push_back({static_cast<unsigned>(raw->detail), cookie->evtype == XI_RawKeyPress,
                                   static_cast<std::uint64_t>(raw->time), arrived});
                changed_.notify_all();
            }
            XFreeEventData(display, cookie);
        }
        if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN) != 0 || (fds[0].revents & (POLLERR | POLLHUP)) != 0)
            return;
    }
}

bool RawKeyObserver::waitUntil(const std::function<bool(const std::vector<RawKey>&)>& done,
                               std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return done(events_); });
}

std::vector<RawKey> RawKeyObserver::events()
{
    std::lock_guard lock(mutex_);
    return events_;
}

}  // namespace e2e
