#pragma once
// "Corvo Key Shortcut Dialog": while it is open the keyboard belongs to it (no
// other program sees a keystroke); the last key pressed or released becomes the
// shortcut's key, and the five modifier boxes make its ShortcutModifiers. The
// rules are core::ShortcutCapture.
#include <array>

#include "option/app/SkinDialog.h"
#include "option/core/ShortcutCapture.h"

namespace platform {
class KeyboardLayout;
}

namespace option::skin {
class BitmapEdit;
}

namespace option::app {

class ShortcutDialog final : public SkinDialog {
    Q_OBJECT
public:
    ShortcutDialog(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout,
                   core::ShortcutCapture capture);
    ~ShortcutDialog() override;

    // What OK returns; nullopt while no key was chosen.
    std::optional<core::ShortcutResult> result() const { return capture_.result(); }
    skin::BitmapEdit* keyField() const { return keyField_; }
    skin::SkinButton* box(std::uint8_t bit) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    class Listener;
    void keyTaken(const core::KeyMessage& message);
    void showState();

    core::KeySource& keys_;
    const platform::KeyboardLayout& layout_;
    core::ShortcutCapture capture_;
    std::unique_ptr<Listener> listener_;
    skin::BitmapEdit* keyField_;
    std::array<std::pair<std::uint8_t, skin::SkinButton*>, 5> boxes_{};
    bool installed_ = false;
};

}  // namespace option::app
