// The display's keyboard layout lives in the desktop library, which links X11.
// Programs without a display (zuroctl, the bridge) only load it when they ask
// for a layout, so they start without X11.

#include "platform/keyboard/KeyboardLayout.h"

#include <dlfcn.h>

namespace platform {
namespace {

constexpr char kDesktopLibrary[] = "libzuroplatform_desktop.so";
constexpr char kOpenFunction[] = "zuro_open_x11_keyboard_layout";

using OpenLayout = KeyboardLayout* (*)(const char* displayName);

class UsKeyboardLayout final : public KeyboardLayout {
public:
    std::string keyText(std::uint8_t usage) const override { return usKeyText(usage); }
};

// Found beside this library (its run path); loaded once and kept, since the
// layouts it makes live in it.
OpenLayout desktopOpenFunction()
{
    static const OpenLayout open = [] {
        void* library = dlopen(kDesktopLibrary, RTLD_NOW | RTLD_LOCAL);
        return library ? reinterpret_cast<OpenLayout>(dlsym(library, kOpenFunction)) : nullptr;
    }();
    return open;
}

}  // namespace

std::unique_ptr<KeyboardLayout> openKeyboardLayout(const char* displayName)
{
    if (const OpenLayout open = desktopOpenFunction()) {
        if (KeyboardLayout* layout = open(displayName))
            return std::unique_ptr<KeyboardLayout>(layout);
    }
    return std::make_unique<UsKeyboardLayout>();
}

}  // namespace platform
