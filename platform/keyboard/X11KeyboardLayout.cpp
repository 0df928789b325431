#include "platform/keyboard/KeyboardLayout.h"
#include "platform/keyboard/KeysymText.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace platform {
namespace {

// X key codes are the Linux input key codes moved up by 8.
constexpr int kXKeycodeOffset = 8;
// The character keys, the only ones named by the text they type.
constexpr std::uint8_t kFirstCharacterUsage = 4;
constexpr std::uint8_t kLastCharacterUsage = 57;

class X11KeyboardLayout final : public KeyboardLayout {
public:
    explicit X11KeyboardLayout(Display* display) : display_(display) {}
    ~X11KeyboardLayout() override { XCloseDisplay(display_); }

    X11KeyboardLayout(const X11KeyboardLayout&) = delete;
    X11KeyboardLayout& operator=(const X11KeyboardLayout&) = delete;

    std::string keyText(std::uint8_t usage) const override
    {
        if (usage < kFirstCharacterUsage || usage > kLastCharacterUsage)
            return {};
        const int evdevCode = evdevKeyCodeOfUsage(usage);
        if (evdevCode == 0)
            return {};
        const auto keycode = static_cast<KeyCode>(evdevCode + kXKeycodeOffset);
        KeySym sym = XkbKeycodeToKeysym(display_, keycode, currentGroup(), 0);
        if (sym == NoSymbol)
            sym = XkbKeycodeToKeysym(display_, keycode, 0, 0);
        return keysymCapitalText(sym);
    }

private:
    unsigned currentGroup() const
    {
        XkbStateRec state{};
        return XkbGetState(display_, XkbUseCoreKbd, &state) == Success ? state.group : 0;
    }

    Display* display_;
};

}  // namespace
}  // namespace platform

// Looked up by name by openKeyboardLayout() in the core library, which loads
// this library only when a program asks for the display's layout. nullptr when
// no display can be opened.
extern "C" __attribute__((visibility("default"))) platform::KeyboardLayout*
zuro_open_x11_keyboard_layout(const char* displayName)
{
    using namespace platform;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    int reason = 0;
    Display* display = XkbOpenDisplay(displayName, nullptr, nullptr, &major, &minor, &reason);
    if (display == nullptr)
        return nullptr;
    return new X11KeyboardLayout(display);
}
