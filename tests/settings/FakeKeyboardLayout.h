#pragma once
// A keyboard layout for tests: the US layout with some keys moved, as a French
// (AZERTY) keyboard has them.

#include <map>
#include <string>

#include "platform/keyboard/KeyboardLayout.h"

namespace settings::test {

class FakeKeyboardLayout : public platform::KeyboardLayout {
public:
    std::string keyText(std::uint8_t usage) const override
    {
        const auto moved = moved_.find(usage);
        return moved != moved_.end() ? moved->second : platform::usKeyText(usage);
    }

    void move(std::uint8_t usage, std::string text) { moved_[usage] = std::move(text); }

private:
    std::map<std::uint8_t, std::string> moved_;
};

inline FakeKeyboardLayout azertyLayout()
{
    FakeKeyboardLayout layout;
    layout.move(4, "Q");        // the key left of S
    layout.move(20, "A");
    layout.move(30, "&");
    layout.move(51, "M");
    layout.move(53, "\xC2\xB2");  // superscript two
    return layout;
}

}  // namespace settings::test
