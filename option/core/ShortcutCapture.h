#pragma once
// The key shortcut dialog's model: the last key pressed or released (that the
// key code table knows) becomes the shortcut's key, and the five modifier boxes
// make the ShortcutModifiers. While "None" is ticked the other four boxes are
// disabled and the mask is 1 alone.
#include <cstdint>
#include <optional>

#include "option/core/KeyCapture.h"
#include "settings/ButtonAssignment.h"

namespace option::core {

struct ShortcutResult {
    std::uint8_t key = 0;
    std::uint8_t modifiers = 0;
};

class ShortcutCapture : public KeyListener {
public:
    // The current key (0: none yet) and ShortcutModifiers.
    ShortcutCapture(std::uint8_t key, std::uint8_t modifiers) : key_(key), boxes_(modifiers) {}
    // The dialog opened on a slot: its shortcut when it holds one; no key and no
    // box otherwise (the bytes of another function are no shortcut).
    static ShortcutCapture forSlot(const settings::ButtonAssignment& slot);

    // Every translatable key message replaces the key, press or release alike.
    void keyMessage(const KeyMessage& message) override;

    // A click on a modifier box (one of the kShortcut* bits); ignored for a box
    // that is disabled.
    void toggle(std::uint8_t box);
    bool boxChecked(std::uint8_t box) const { return (boxes_ & box) != 0; }
    bool boxEnabled(std::uint8_t box) const;

    std::uint8_t key() const { return key_; }
    // What OK returns; nullopt while no key has been chosen (OK then stores
    // nothing, since a shortcut without a key would press nothing).
    std::optional<ShortcutResult> result() const;

private:
    std::uint8_t key_;
    std::uint8_t boxes_;
};

}  // namespace option::core
