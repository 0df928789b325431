#pragma once
// The pages shown in the main window's page area, one per tab, and what the main
// window offers them.
//
// A page is a skinned child window (SkinWindow) placed at "Page position", built
// the first time its tab is chosen. It edits the working block of host.core()
// straight away; nothing reaches the monitor or the files before the user
// applies. The main window calls
//   refresh()      once built, after a slot change, a load, a reset and the
//                  monitor's notices: show the working block again;
//   reloadTexts()  once built and after a language change: take the status
//                  texts of the controls from the table;
// and shows and hides pages with show() and hide() when tabs are clicked (a page
// that plays something while visible starts and stops it in showEvent and
// hideEvent). After a lighting change a page posts kColourIndicatorsMessage
// (AppMessages.h) to host.mainWindow().
#include <array>
#include <functional>

#include "option/core/ApplicationCore.h"
#include "option/core/TextLibrary.h"
#include "option/skin/SkinWindow.h"
#include "platform/Types.h"

namespace option::app {

class SystemDialogs;
}  // namespace option::app

namespace platform {
class PointerSettings;
}

namespace option::app {

// In tab order.
enum class PageId { MainSettings, Buttons, Advanced, Lighting, Statistics, Update };
inline constexpr int kPageCount = 6;

class PageHost {
public:
    virtual ~PageHost() = default;

    // The blocks, the monitor link and the stores; the working block is
    // core().blocks.working.
    virtual core::ApplicationCore& core() = 0;
    // The language table now loaded (empty when it is missing).
    virtual const core::TextLibrary& texts() const = 0;
    virtual SystemDialogs& systemDialogs() = 0;
    virtual QWidget* mainWindow() = 0;

    virtual void selectPage(PageId page) = 0;
    // Makes slot 0-4 the edited one (`CurrentProfile`) and refreshes everything.
    virtual void selectProfileSlot(int slot) = 0;
    virtual void refreshAll() = 0;
    // Apply as the Apply button does; `request` is the apply request's wParam
    // (messages::kApplyChanges, or kApplyDefaultsRestored after a reset).
    virtual void apply(platform::WParam request) = 0;
    // The default block with every change flag set, shown, then applied.
    virtual void resetToDefaults() = 0;
    virtual void reloadTexts() = 0;
    // The desktop's pointer settings, for a value that takes effect at once
    // (the double-click time); nullptr when there are none.
    virtual platform::PointerSettings* pointerSettings() { return nullptr; }
};

class Page : public skin::SkinWindow {
    Q_OBJECT
public:
    Page(QWidget* parent, PageHost& host) : SkinWindow(parent), host_(host) {}

    virtual void refresh() = 0;
    virtual void reloadTexts(const core::TextLibrary& texts) = 0;

protected:
    PageHost& host() { return host_; }

private:
    PageHost& host_;
};

// Makes the page of one tab inside `parent`, sized by its own background.
using PageFactory = std::function<Page*(QWidget* parent, PageHost& host)>;
using PageFactories = std::array<PageFactory, kPageCount>;

// Every tab's page as built so far; a tab without a page of its own shows its
// empty page background (EmptyPage).
PageFactories defaultPageFactories();

}  // namespace option::app
