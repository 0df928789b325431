#pragma once
// The X server side of the pointer settings. The display is opened on first use;
// when none can be reached every call returns false and nothing else happens.
// X errors (a device that vanished, a value refused) are caught and reported by
// the return value instead of ending the process.

#include "platform/registry/PointerMapping.h"

#include <atomic>
#include <mutex>

typedef struct _XDisplay Display;

namespace platform {

class X11PointerControl {
public:
    X11PointerControl() = default;
    ~X11PointerControl();
    X11PointerControl(const X11PointerControl&) = delete;
    X11PointerControl& operator=(const X11PointerControl&) = delete;

    // XChangePointerControl on the core pointer.
    bool setAcceleration(const XPointerAcceleration& acceleration);
    // "libinput Accel Speed" of every pointer device that has it; false when none has.
    bool setLibinputAccelSpeed(float speed);

private:
    Display* display();

    std::mutex mutex_;
    Display* display_ = nullptr;
    bool openTried_ = false;
    std::atomic<bool> displayLost_{false};
};

}  // namespace platform
