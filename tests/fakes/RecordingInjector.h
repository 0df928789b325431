#pragma once
// An InputInjector that records every event instead of sending it, with the US
// layout's key conversions.

#include "platform/input/InputInjector.h"
#include "platform/input/VirtualKeys.h"

#include <mutex>
#include <string>
#include <vector>

namespace fakes {

class RecordingInjector : public platform::InputInjector {
public:
    struct Event {
        enum class Kind { Key, Button, HorizontalScroll, CursorMove } kind = Kind::Key;
        std::uint8_t virtualKey = 0;
        std::uint16_t scanCode = 0;
        std::uint8_t usage = 0;  // 0 for keys sent by virtual key alone
        platform::MouseButton button = platform::MouseButton::Left;
        platform::KeyAction action = platform::KeyAction::Down;
        int steps = 0;
        platform::ScreenPoint point;
    };

    bool sendKey(std::uint8_t virtualKey, std::uint16_t scanCode, platform::KeyAction action) override
    {
        Event event;
        event.kind = Event::Kind::Key;
        event.virtualKey = virtualKey;
        event.scanCode = scanCode;
        event.action = action;
        return record(event);
    }

    bool sendUsageKey(std::uint8_t usage, std::uint8_t virtualKey, platform::KeyAction action) override
    {
        Event event;
        event.kind = Event::Kind::Key;
        event.usage = usage;
        event.virtualKey = virtualKey;
        event.scanCode = platform::usScanCodeOfVirtualKey(virtualKey);
        event.action = action;
        return record(event);
    }

    bool sendButton(platform::MouseButton button, platform::KeyAction action) override
    {
        Event event;
        event.kind = Event::Kind::Button;
        event.button = button;
        event.action = action;
        return record(event);
    }

    bool scrollHorizontally(int steps) override
    {
        Event event;
        event.kind = Event::Kind::HorizontalScroll;
        event.steps = steps;
        return record(event);
    }

    bool setCursorPosition(platform::ScreenPoint point) override
    {
        Event event;
        event.kind = Event::Kind::CursorMove;
        event.point = point;
        std::lock_guard lock(mutex_);
        cursor_ = point;
        events_.push_back(event);
        return succeeds;
    }

    bool cursorPosition(platform::ScreenPoint& point) override
    {
        std::lock_guard lock(mutex_);
        point = cursor_;
        return succeeds;
    }

    bool buttonsSwapped() override { return swapped; }

    std::uint8_t virtualKeyOfScanCode(std::uint16_t scanCode) override
    {
        return platform::usVirtualKeyOfScanCode(scanCode);
    }
    std::uint16_t scanCodeOfVirtualKey(std::uint8_t virtualKey) override
    {
        return platform::usScanCodeOfVirtualKey(virtualKey);
    }

    platform::InjectionMethod method() const override { return injectionMethod; }

    std::vector<Event> events() const
    {
        std::lock_guard lock(mutex_);
        return events_;
    }

    // The events as short text, one per event: "down 65", "up 65", "button
    // down left", "hscroll -2", "move 10,20"; easy to compare in a test.
    std::vector<std::string> log() const
    {
        std::vector<std::string> lines;
        for (const Event& event : events()) lines.push_back(describe(event));
        return lines;
    }

    void clear()
    {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

    void setCursor(platform::ScreenPoint point)
    {
        std::lock_guard lock(mutex_);
        cursor_ = point;
    }

    bool swapped = false;
    bool succeeds = true;  // what every call answers
    platform::InjectionMethod injectionMethod = platform::InjectionMethod::XTest;

private:
    bool record(const Event& event)
    {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
        return succeeds;
    }

    static std::string describe(const Event& event)
    {
        const char* action = event.action == platform::KeyAction::Down ? "down" : "up";
        switch (event.kind) {
        case Event::Kind::Key: return std::string(action) + " " + std::to_string(event.virtualKey);
        case Event::Kind::Button: {
            static const char* const names[] = {"left", "right", "middle", "x1", "x2"};
            return std::string("button ") + action + " " + names[static_cast<int>(event.button)];
        }
        case Event::Kind::HorizontalScroll: return "hscroll " + std::to_string(event.steps);
        case Event::Kind::CursorMove:
            return "move " + std::to_string(event.point.x) + "," + std::to_string(event.point.y);
        }
        return {};
    }

    mutable std::mutex mutex_;
    std::vector<Event> events_;
    platform::ScreenPoint cursor_;
};

}  // namespace fakes
