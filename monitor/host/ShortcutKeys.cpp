#include "monitor/host/ShortcutKeys.h"

#include <array>

#include "settings/ShortcutKey.h"

namespace monitor::host {
namespace {

constexpr std::uint32_t kFirstRepeatMs = 1000;
constexpr std::uint32_t kRepeatMs = 100;

struct Modifier {
    std::uint8_t bit;
    std::uint8_t virtualKey;
};

// In pressing order; released in reverse.
constexpr std::array<Modifier, 4> kModifiers{{
    {settings::kShortcutCtrl, 17},
    {settings::kShortcutShift, 16},
    {settings::kShortcutAlt, 18},
    {settings::kShortcutWin, 91},
}};

bool repeats(std::uint8_t unfoldedVirtualKey)
{
    const bool windowsKey = unfoldedVirtualKey == 91 || unfoldedVirtualKey == 92;
    const bool modifier = unfoldedVirtualKey >= 160 && unfoldedVirtualKey <= 165;
    return unfoldedVirtualKey != 0 && !windowsKey && !modifier;
}

}  // namespace

void ShortcutKeys::pause1ms()
{
    clock_.sleepUntil(clock_.now() + Milliseconds(1));
}

void ShortcutKeys::press(const settings::ButtonAssignment& slot)
{
    key_ = settings::shortcutKey(slot);
    modifiers_ = settings::shortcutModifiers(slot);
    held_ = true;
    if ((modifiers_ & settings::kShortcutNone) == 0) {
        for (const Modifier& modifier : kModifiers) {
            if ((modifiers_ & modifier.bit) == 0) continue;
            keys_.sendVirtualKey(modifier.virtualKey, platform::KeyAction::Down);
            pause1ms();
        }
    }
    keys_.sendUsage(key_, platform::KeyAction::Down);
    firstDelay_ = true;
    timers_.setTimer(kTimerShortcutRepeat, kFirstRepeatMs);
}

void ShortcutKeys::repeat()
{
    if (firstDelay_) {
        firstDelay_ = false;
        timers_.setTimer(kTimerShortcutRepeat, kRepeatMs);
    }
    // Judged before Shift, Ctrl and Alt fold into one key, so no modifier repeats.
    if (!repeats(keys_.layoutVirtualKey(key_))) return;
    keys_.sendUsage(key_, platform::KeyAction::Up);
    pause1ms();
    keys_.sendUsage(key_, platform::KeyAction::Down);
}

void ShortcutKeys::release()
{
    held_ = false;
    timers_.killTimer(kTimerShortcutRepeat);
    keys_.sendUsage(key_, platform::KeyAction::Up);
    if ((modifiers_ & settings::kShortcutNone) != 0) return;
    for (auto modifier = kModifiers.rbegin(); modifier != kModifiers.rend(); ++modifier) {
        if ((modifiers_ & modifier->bit) == 0) continue;
        pause1ms();
        keys_.sendVirtualKey(modifier->virtualKey, platform::KeyAction::Up);
    }
}

}  // namespace monitor::host
