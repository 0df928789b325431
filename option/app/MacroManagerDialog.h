#pragma once
// "Zuro Vell Macro Manager": the macro sets and their macros on a working copy
// of the macro store, with the key sequence and timeline panels for the current
// macro. OK hands the working copy to the caller (acceptInto); Cancel and the
// close button drop it. A thin view over core::MacroManager.
#include <memory>
#include <string>

#include "option/app/SkinDialog.h"
#include "option/core/KeyCapture.h"
#include "option/core/MacroManager.h"

class QListWidget;

namespace platform {
class KeyboardLayout;
}

namespace option::skin {
class BitmapEdit;
}

namespace option::app {

class KeySequencePanel;
class TimelinePanel;

class MacroManagerDialog final : public SkinDialog {
    Q_OBJECT
public:
    MacroManagerDialog(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout,
                       const settings::MacroStore& store, const core::MacroManagerOpening& opening);
    ~MacroManagerDialog() override;

    // After OK: the working copy replaces `store`, saved to `path`; false when
    // the file could not be written.
    bool acceptInto(settings::MacroStore& store, const std::string& path);

    core::MacroManager& manager() { return manager_; }
    KeySequencePanel* keySequence() const { return keySequence_; }
    TimelinePanel* timeline() const { return timeline_; }
    bool timelineShown() const;
    QListWidget* macroList() const { return list_; }
    skin::SkinButton* setSelector() const { return selector_; }
    skin::BitmapEdit* nameEdit() const { return nameEdit_; }

    // What the controls do.
    void runSetCommand(int command);
    void newMacro();
    void renameMacro(int row);
    void endNameEdit(bool commit);
    void deleteMacro();
    void switchPanel();

    // However the dialog ends, a recording or key capture gives the keyboard back.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openSetMenu();
    void addSet();
    void showCurrent();
    void refillList();
    settings::MacroRecord* macroForCommand();
    void setBusy(bool busy);

    core::MacroManager manager_;
    skin::SkinButton* selector_;
    QListWidget* list_;
    skin::BitmapEdit* nameEdit_;
    KeySequencePanel* keySequence_;
    TimelinePanel* timeline_;
    std::vector<skin::SkinButton*> buttons_;
    int editingRow_ = -1;
    bool editingNew_ = false;
};

}  // namespace option::app
