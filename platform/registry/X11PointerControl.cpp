#include "platform/registry/X11PointerControl.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <atomic>
#include <cstdint>
#include <cstring>

namespace platform {
namespace {

constexpr const char* kLibinputAccelSpeed = "libinput Accel Speed";

// Xlib's error handler belongs to the whole process: it is swapped in only around
// our own requests, one user at a time.
class CaughtXErrors {
public:
    explicit CaughtXErrors(Display* display) : lock_(mutex()), display_(display)
    {
        errorSeen().store(false);
        previous_ = XSetErrorHandler(&CaughtXErrors::record);
    }
    ~CaughtXErrors()
    {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    CaughtXErrors(const CaughtXErrors&) = delete;
    CaughtXErrors& operator=(const CaughtXErrors&) = delete;

    // Waits for the server to have handled everything sent so far.
    bool succeeded()
    {
        XSync(display_, False);
        return !errorSeen().load();
    }

private:
    static std::mutex& mutex()
    {
        static std::mutex instance;
        return instance;
    }
    static std::atomic<bool>& errorSeen()
    {
        static std::atomic<bool> instance{false};
        return instance;
    }
    static int record(Display*, XErrorEvent*)
    {
        errorSeen().store(true);
        return 0;
    }

    std::lock_guard<std::mutex> lock_;
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

bool hasXInput2(Display* display)
{
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) return false;
    int major = 2;
    int minor = 0;
    return XIQueryVersion(display, &major, &minor) == Success;
}

// True when the device carries the property as one or more 32-bit floats.
bool hasFloatProperty(Display* display, int deviceId, Atom property, Atom floatType)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    const Status status = XIGetProperty(display, deviceId, property, 0, 1, False, AnyPropertyType,
                                        &type, &format, &items, &bytesAfter, &data);
    if (data) XFree(data);
    return status == Success && type == floatType && format == 32 && items >= 1;
}

// The server connection broke: note it instead of letting Xlib end the process.
void markDisplayLost(Display*, void* lostFlag)
{
    static_cast<std::atomic<bool>*>(lostFlag)->store(true);
}

}  // namespace

X11PointerControl::~X11PointerControl()
{
    if (display_) XCloseDisplay(display_);
}

Display* X11PointerControl::display()
{
    if (display_ && displayLost_.load()) {
        // The server went away (a restart, a new session): try the display once more.
        XCloseDisplay(display_);
        display_ = nullptr;
        openTried_ = false;
        displayLost_.store(false);
    }
    if (!display_ && !openTried_) {
        // One attempt only: a display that cannot be reached may take long to fail.
        openTried_ = true;
        display_ = XOpenDisplay(nullptr);
        if (display_) XSetIOErrorExitHandler(display_, &markDisplayLost, &displayLost_);
    }
    return display_;
}

bool X11PointerControl::setAcceleration(const XPointerAcceleration& acceleration)
{
    std::lock_guard lock(mutex_);
    Display* connection = display();
    if (!connection) return false;
    CaughtXErrors errors(connection);
    XChangePointerControl(connection, True, acceleration.setsThreshold, acceleration.numerator,
                          acceleration.denominator, acceleration.threshold);
    return errors.succeeded();
}

bool X11PointerControl::setLibinputAccelSpeed(float speed)
{
    std::lock_guard lock(mutex_);
    Display* connection = display();
    if (!connection) return false;
    CaughtXErrors errors(connection);
    if (!hasXInput2(connection)) return false;
    // Atoms that were never made mean that no device has the property.
    const Atom property = XInternAtom(connection, kLibinputAccelSpeed, True);
    const Atom floatType = XInternAtom(connection, "FLOAT", True);
    if (property == None || floatType == None) return false;

    int deviceCount = 0;
    XIDeviceInfo* devices = XIQueryDevice(connection, XIAllDevices, &deviceCount);
    if (!devices) return false;
    // XInput 2 carries format-32 property data as 32-bit items.
    std::int32_t item = 0;
    static_assert(sizeof item == sizeof speed);
    std::memcpy(&item, &speed, sizeof item);
    int changed = 0;
    for (int i = 0; i < deviceCount; ++i) {
        const XIDeviceInfo& device = devices[i];
        if (device.use != XISlavePointer && device.use != XIFloatingSlave) continue;
        if (!hasFloatProperty(connection, device.deviceid, property, floatType)) continue;
        XIChangeProperty(connection, device.deviceid, property, floatType, 32, XIPropModeReplace,
                         reinterpret_cast<unsigned char*>(&item), 1);
        ++changed;
    }
    XIFreeDeviceInfo(devices);
    return errors.succeeded() && changed > 0;
}

}  // namespace platform
