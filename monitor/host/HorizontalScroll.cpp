#include "monitor/host/HorizontalScroll.h"

namespace monitor::host {
namespace {

constexpr int kArrowInset = 5;
constexpr int kWebScrollStep = 10;

constexpr platform::WParam kVirtualKeyLeft = 37;
constexpr platform::WParam kVirtualKeyRight = 39;
constexpr platform::LParam kLeftDownBits = 0x014B0001;
constexpr platform::LParam kLeftUpBits = 0xC14B0001;
constexpr platform::LParam kRightDownBits = 0x014D0001;
constexpr platform::LParam kRightUpBits = 0xC14D0001;

}  // namespace

void HorizontalScroll::scroll(TiltDirection direction, int count)
{
    const bool left = direction == TiltDirection::Left;
    const ScreenPoint cursor = tree_.cursorPosition();
    const WindowId window = tree_.windowAt(cursor);
    const std::string windowClass = tree_.className(window);
    const WindowKind kind = windowKindOfClass(windowClass);
    const WindowId bar = ScrollTargetFinder(tree_, cursor).findHorizontalBar(window);
    if (bar == 0) return;

    const platform::WParam line = left ? kScrollLineLeft : kScrollLineRight;
    switch (kind) {
    case WindowKind::Spreadsheet: {
        if (count <= 0) return;
        const ScreenRect rect = tree_.screenRect(bar);
        output_.moveCursor(left ? ScreenPoint{rect.left + kArrowInset, rect.top + kArrowInset}
                                : ScreenPoint{rect.right - kArrowInset, rect.top + kArrowInset});
        for (int i = 0; i < count; ++i) output_.clickPrimaryButton();
        output_.moveCursor(cursor);
        return;
    }
    case WindowKind::Browser:
        for (int i = 0; i < count; ++i) {
            output_.postMessage(bar, kMessageKeyDown, left ? kVirtualKeyLeft : kVirtualKeyRight,
                                left ? kLeftDownBits : kRightDownBits);
            output_.postMessage(bar, kMessageKeyUp, left ? kVirtualKeyLeft : kVirtualKeyRight,
                                left ? kLeftUpBits : kRightUpBits);
        }
        return;
    case WindowKind::Plain:
        if (windowClass == "Internet Explorer_Server") {
            output_.postMessage(monitorWindow_, messages::kWebScroll, static_cast<platform::WParam>(count < 0 ? 0 : count),
                                left ? 1 : 0);
            return;
        }
        // Left is posted and right sent, as the programs of this kind expect.
        for (int i = 0; i < count; ++i) {
            if (left)
                output_.postMessage(window, kMessageHorizontalScroll, line, 0);
            else
                output_.sendMessage(window, kMessageHorizontalScroll, line, 0);
        }
        return;
    default:
        for (int i = 0; i < count; ++i)
            output_.postMessage(tree_.parent(bar), kMessageHorizontalScroll, line, static_cast<platform::LParam>(bar));
        return;
    }
}

void HorizontalScroll::scrollWebControl(DocumentScroller& document, int count, bool left)
{
    const WindowId window = tree_.windowAt(tree_.cursorPosition());
    if (window == 0 || tree_.className(window) != "Internet Explorer_Server") return;
    const int dx = (left ? -kWebScrollStep : kWebScrollStep) * count;
    if (document.scrollBy(window, dx, 0) || count <= 0) return;
    for (int i = 0; i < count; ++i)
        output_.sendMessage(window, kMessageHorizontalScroll, left ? kScrollLineLeft : kScrollLineRight, 0);
}

}  // namespace monitor::host
