#include "option/app/ShortcutDialog.h"

#include "option/layout/ShortcutAndLaunchLayout.h"
#include "option/skin/BitmapEdit.h"
#include "settings/ShortcutKey.h"
#include "settings/KeyNames.h"

namespace option::app {

// Hands the captured keys to the dialog, which shows them at once.
class ShortcutDialog::Listener final : public core::KeyListener {
public:
    explicit Listener(ShortcutDialog& dialog) : dialog_(dialog) {}
    void keyMessage(const core::KeyMessage& message) override { dialog_.keyTaken(message); }

private:
    ShortcutDialog& dialog_;
};

ShortcutDialog::ShortcutDialog(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout,
                               core::ShortcutCapture capture)
    : SkinDialog(parent, layout::key_shortcut::kWindow),
      keys_(keys),
      layout_(layout),
      capture_(capture),
      listener_(std::make_unique<Listener>(*this))
{
    setWindowTitle(QStringLiteral("Corvo Key Shortcut Dialog"));
    keyField_ = addEdit(row("EDIT_MACRO_SET_NAME"), 32);
    keyField_->setReadOnly(true);
    keyField_->setFocusPolicy(Qt::NoFocus);
    const std::array<std::pair<std::string_view, std::uint8_t>, 5> boxes = {{
        {"None", settings::kShortcutNone},
        {"Shift", settings::kShortcutShift},
        {"Ctrl", settings::kShortcutCtrl},
        {"Alt", settings::kShortcutAlt},
        {"Win", settings::kShortcutWin},
    }};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::uint8_t bit = boxes[i].second;
        skin::SkinButton* button = addButton(row(boxes[i].first), [this, bit] {
            capture_.toggle(bit);
            showState();
        });
        button->setCheckable(true);
        boxes_[i] = {bit, button};
    }
    addButton(row("BUTTON_OK"), [this] { accept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_EXIT"), [this] { reject(); });
    showState();
}

ShortcutDialog::~ShortcutDialog()
{
    if (installed_)
        keys_.remove();
}

skin::SkinButton* ShortcutDialog::box(std::uint8_t bit) const
{
    for (const auto& [boxBit, button] : boxes_)
        if (boxBit == bit)
            return button;
    return nullptr;
}

void ShortcutDialog::showEvent(QShowEvent* event)
{
    SkinDialog::showEvent(event);
    // The keyboard is taken once the dialog is up, and given back however it closes.
    if (!installed_)
        installed_ = keys_.install(*listener_);
}

void ShortcutDialog::done(int result)
{
    if (installed_) {
        keys_.remove();
        installed_ = false;
    }
    SkinDialog::done(result);
}

void ShortcutDialog::keyTaken(const core::KeyMessage& message)
{
    capture_.keyMessage(message);
    showState();
}

void ShortcutDialog::showState()
{
    keyField_->setText(QString::fromStdString(settings::shortcutKeyName(capture_.key(), layout_)));
    for (const auto& [bit, button] : boxes_) {
        button->setOn(capture_.boxChecked(bit));
        button->setEnabled(capture_.boxEnabled(bit));
    }
}

}  // namespace option::app
