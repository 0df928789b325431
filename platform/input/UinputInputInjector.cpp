// Input injection through a virtual device of the kernel (uinput), which every
// program sees, under X11 and Wayland alike. What a device cannot do, placing
// the cursor and telling the layout's keys and the button swap, comes from the
// X display through XTest when there is one.

#include "platform/input/InjectorChoice.h"
#include "platform/input/InputInjector.h"
#include "platform/input/UinputDevice.h"
#include "platform/input/UinputEvents.h"
#include "platform/input/VirtualKeys.h"
#include "platform/keyboard/UsageKeyCodes.h"
#include "platform/system/DebugOutput.h"

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace platform {
namespace {

// The display server reads the device's events on its own schedule; a cursor
// placed through XTest right after a click could overtake the click, so it
// waits this long after the device's last event.
constexpr std::chrono::milliseconds kDeviceSettleTime{30};

class UinputInputInjector final : public InputInjector {
public:
    UinputInputInjector(std::unique_ptr<UinputDevice> device, std::unique_ptr<InputInjector> display)
        : device_(std::move(device)), display_(std::move(display))
    {
    }

    bool sendKey(std::uint8_t virtualKey, std::uint16_t scanCode, KeyAction action) override
    {
        return write(keyEvents(evdevCodeOfVirtualKey(virtualKey, scanCode), action));
    }

    bool sendUsageKey(std::uint8_t usage, std::uint8_t virtualKey, KeyAction action) override
    {
        const int code = evdevKeyCodeOfUsage(usage);
        if (code != 0) return write(keyEvents(code, action));
        return virtualKey != 0 && sendKey(virtualKey, 0, action);
    }

    bool sendButton(MouseButton button, KeyAction action) override { return write(buttonEvents(button, action)); }

    bool scrollHorizontally(int steps) override
    {
        return write(horizontalWheelEvents(steps, device_->hasHighResolutionWheel()));
    }

    bool setCursorPosition(ScreenPoint point) override
    {
        std::chrono::steady_clock::time_point settled;
        {
            std::lock_guard lock(mutex_);
            settled = lastWrite_ + kDeviceSettleTime;
        }
        std::this_thread::sleep_until(settled);
        return display_->setCursorPosition(point);
    }

    bool cursorPosition(ScreenPoint& point) override { return display_->cursorPosition(point); }
    bool buttonsSwapped() override { return display_->buttonsSwapped(); }
    std::uint8_t virtualKeyOfScanCode(std::uint16_t scanCode) override
    {
        return display_->virtualKeyOfScanCode(scanCode);
    }
    std::uint16_t scanCodeOfVirtualKey(std::uint8_t virtualKey) override
    {
        return display_->scanCodeOfVirtualKey(virtualKey);
    }

    InjectionMethod method() const override { return InjectionMethod::Uinput; }

private:
    // Extended keys (arrows, Win, media and volume keys, right Ctrl and Alt) are
    // the same on every layout, and `scanCode` lacks their prefix; other keys go
    // by the layout's scan code, else the US one.
    static int evdevCodeOfVirtualKey(std::uint8_t virtualKey, std::uint16_t scanCode)
    {
        const std::uint16_t usScan = usExtendedScanCodeOfVirtualKey(virtualKey);
        if ((usScan & kExtendedScanPrefix) != 0) return evdevCodeOfScanCode(usScan);
        const int code = evdevCodeOfScanCode(scanCode);
        return code != 0 ? code : evdevCodeOfScanCode(usScan);
    }

    bool write(const std::vector<InputEventRecord>& events)
    {
        if (events.empty()) return false;
        const bool written = device_->write(events);
        std::lock_guard lock(mutex_);
        lastWrite_ = std::chrono::steady_clock::now();
        return written;
    }

    std::unique_ptr<UinputDevice> device_;
    std::unique_ptr<InputInjector> display_;
    std::mutex mutex_;
    std::chrono::steady_clock::time_point lastWrite_{};
};

}  // namespace

std::unique_ptr<InputInjector> openInputInjector(const char* displayName)
{
    const InjectorRequest request = injectorRequestOf(std::getenv(kInjectorVariable));
    if (!request.recognised)
        debugPrintf("input: %s names no injector (uinput or xtest); choosing by itself\n", kInjectorVariable);
    std::unique_ptr<InputInjector> xtest = openXTestInjector(displayName);
    if (request.forced != InjectionMethod::XTest) {
        std::string error;
        if (std::unique_ptr<UinputDevice> device = UinputDevice::create(kUinputPath, error)) {
            debugPrintf("input: uinput, virtual device \"%s\"%s\n", kUinputDeviceName,
                        device->hasHighResolutionWheel() ? " with a high-resolution wheel" : "");
            return std::make_unique<UinputInputInjector>(std::move(device), std::move(xtest));
        }
        debugPrintf("input: no uinput (%s)\n", error.c_str());
    }
    debugOutput("input: XTest\n");
    return xtest;
}

}  // namespace platform
