#include "monitor/host/MacroPlayer.h"

#include <algorithm>

#include "platform/system/DebugOutput.h"

namespace monitor::host {
namespace {

constexpr int kAutoRepeatDelayMs = 500;
constexpr int kAutoRepeatPeriodMs = 33;
constexpr int kForcedReleaseGapMs = 50;

bool isMouseButton(std::uint8_t key)
{
    return key >= settings::kMacroKeyLeftButton && key <= settings::kMacroKeySideButton2;
}

platform::MouseButton mouseButtonOf(std::uint8_t key)
{
    switch (key) {
    case settings::kMacroKeyLeftButton: return platform::MouseButton::Left;
    case settings::kMacroKeyRightButton: return platform::MouseButton::Right;
    case settings::kMacroKeyWheelButton: return platform::MouseButton::Middle;
    case settings::kMacroKeySideButton1: return platform::MouseButton::X2;  // X button data 2
    default: return platform::MouseButton::X1;                               // X button data 1
    }
}

}  // namespace

void MacroPlayer::sendKeyOrButton(std::uint8_t key, platform::KeyAction action)
{
    if (isMouseButton(key))
        injector_.sendButton(mouseButtonOf(key), action);
    else
        keys_.sendUsage(key, action);
}

void MacroPlayer::waitFor(int ms)
{
    deadline_ += Milliseconds(ms);
    clock_.sleepUntil(deadline_, &state_.stop);
}

bool MacroPlayer::playEvent(const settings::MacroEvent& event)
{
    const int delay = event.DelayMs == 0 ? 1 : event.DelayMs;
    const bool press = event.Action == settings::kMacroActionPress;
    if (press) {
        held_.push_back(event.Key);
    } else if (event.Action == settings::kMacroActionRelease) {
        const auto newest = std::find(held_.rbegin(), held_.rend(), event.Key);
        if (newest != held_.rend()) held_.erase(std::next(newest).base());
    }
    sendKeyOrButton(event.Key, press ? platform::KeyAction::Down : platform::KeyAction::Up);

    if (!press || isMouseButton(event.Key) || delay <= kAutoRepeatDelayMs) {
        waitFor(delay);
        return true;
    }
    // A key held longer than the keyboard's repeat delay repeats like a held key.
    waitFor(kAutoRepeatDelayMs);
    for (int remaining = delay - kAutoRepeatDelayMs; remaining > 0; remaining -= kAutoRepeatPeriodMs) {
        keys_.sendUsage(event.Key, platform::KeyAction::Up);
        keys_.sendUsage(event.Key, platform::KeyAction::Down);
        if (state_.stop.requested()) return false;
        waitFor(kAutoRepeatPeriodMs);
    }
    return true;
}

void MacroPlayer::releaseHeldKeys()
{
    // The wait the stop cut short does not count towards the first gap.
    deadline_ = clock_.now();
    while (!held_.empty()) {
        const std::uint8_t key = held_.back();
        held_.pop_back();
        platform::debugPrintf("g_iCurAction= %d,Map=%x\n", state_.currentIndex.load(), key);
        sendKeyOrButton(key, platform::KeyAction::Up);
        deadline_ += Milliseconds(kForcedReleaseGapMs);
        clock_.sleepUntil(deadline_);  // not cut short: the gaps are what the system needs
    }
}

void MacroPlayer::play()
{
    state_.busy = true;
    held_.clear();
    const int end = std::clamp(state_.eventCount.load(), 0, settings::kMaxMacroEvents);
    const int start = std::clamp(state_.currentIndex.load(), 0, end);
    const int loops = state_.loopCount.load();
    deadline_ = clock_.now();

    bool stopped = false;
    for (int loop = 0; loop < loops && !stopped; ++loop) {
        for (int i = start; i < end; ++i) {
            state_.currentIndex = i;
            if (state_.stop.requested() || !playEvent(state_.events[static_cast<std::size_t>(i)])) {
                stopped = true;
                break;
            }
        }
        if (state_.stop.requested()) stopped = true;
    }
    // Every stopped run lets go of what it holds, also when the stop came at a
    // loop's first event, so no key stays pressed.
    if (stopped) releaseHeldKeys();

    platform::debugPrintf("g_iCurAction= %d,start=%d,end=%d\n", state_.currentIndex.load(), start, end);
    held_.clear();
    state_.busy = false;
}

}  // namespace monitor::host
