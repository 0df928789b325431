#pragma once
// The button assignment page: the 24 slots of the edited profile in two columns
// with their function's caption, the context menu that gives a slot a function
// (and the dialogs it opens), the picture of the hovered button, the hand
// orientation and the macro manager button. A thin view over
// core::ButtonContextMenu, core::ButtonPageRules and core::ButtonEditing.
#include <QLabel>

#include <array>
#include <memory>

#include "option/app/Page.h"
#include "option/core/ButtonContextMenu.h"
#include "option/core/ButtonPageRules.h"
#include "option/core/KeyCapture.h"
#include "option/core/MacroManager.h"

namespace platform {
class KeyboardLayout;
}

namespace option::skin {
class SkinButton;
}

namespace option::app {

class ButtonPage final : public Page {
    Q_OBJECT
public:
    // `keys`: where keystrokes are taken from while recording or capturing a
    // shortcut; the display's keyboard grab when null.
    ButtonPage(QWidget* parent, PageHost& host, std::unique_ptr<core::KeySource> keys = nullptr);
    ~ButtonPage() override;

    void refresh() override;
    void reloadTexts(const core::TextLibrary& texts) override;

    skin::SkinButton* slotButton(int slot) const;
    // The hover picture shown, or -1.
    int shownPicture() const { return shownPicture_; }
    QLabel* picture(int index) const;

    // A click on a slot: its menu opens (unless the rules say otherwise) and
    // the command chosen is carried out.
    void clickSlot(int slot);
    // What command `command` of the slot's menu does.
    void runMenuCommand(int slot, int command);
    void openMacroManager(const core::MacroManagerOpening& opening);
    core::KeySource& keySource() { return *keys_; }
    const platform::KeyboardLayout& keyboardLayout() const { return *layout_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    settings::ProfileRecord* profile();
    void showSlot(int slot);
    void showOrientation();
    void setOrientation(int orientation);
    void hover(int controlId, bool entering);
    void assign(int slot, const settings::FunctionChoice& choice);
    void runChoice(int slot, const core::ButtonMenuChoice& choice);
    int slotUnderPointer() const;

    std::unique_ptr<core::KeySource> keys_;
    std::unique_ptr<platform::KeyboardLayout> layout_;
    std::array<skin::SkinButton*, settings::kButtonSlotCount> slots_{};
    std::array<QLabel*, core::kHoverPictureCount> pictures_{};
    skin::StateImages fixedImages_;
    skin::StateImages unassignedImages_;
    QImage rightBackground_;
    QImage leftBackground_;
    skin::SkinButton* right_ = nullptr;
    skin::SkinButton* left_ = nullptr;
    skin::SkinButton* macroManager_ = nullptr;
    core::SlotMenuClicks clicks_;
    int shownPicture_ = -1;
};

}  // namespace option::app
