// Checks over the layout tables of all windows: a typo in a rectangle or a
// missing picture name shows up here rather than as a clipped or blank control.

#include "option/layout/AllWindows.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/SkinPictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace option::layout;

TEST(WindowLayouts, EveryControlParsesAndLiesInsideItsWindow)
{
    for (const WindowDescription& window : kAllWindows) {
        for (const ControlLayout& control : window.controls) {
            SCOPED_TRACE(std::string(window.art) + ": " + std::string(control.text));
            const auto entry = parseLayoutEntry(control.text);
            ASSERT_TRUE(entry);
            if (!entry->visible())
                continue;
            EXPECT_GE(entry->left, 0);
            EXPECT_GE(entry->top, 0);
            EXPECT_LE(entry->right, window.width);
            EXPECT_LE(entry->bottom, window.height);
        }
    }
}

TEST(WindowLayouts, ControlsWithPicturesNameThemAndArtFoldersAreUnique)
{
    std::set<std::string_view> folders;
    for (const WindowDescription& window : kAllWindows) {
        EXPECT_TRUE(folders.insert(window.art).second) << window.art;
        for (const ControlLayout& control : window.controls) {
            SCOPED_TRACE(std::string(window.art) + ": " + std::string(control.text));
            const auto entry = parseLayoutEntry(control.text);
            ASSERT_TRUE(entry);
            switch (control.kind) {
            case ControlKind::SliderTrack:
                EXPECT_FALSE(control.picture.empty());
                EXPECT_GT(control.thumbWidth, 0);
                EXPECT_LT(control.thumbWidth, entry->width());
                break;
            case ControlKind::Picture:
            case ControlKind::PictureButton:
            case ControlKind::Animation:
            case ControlKind::ChildWindow:
                EXPECT_FALSE(control.picture.empty());
                break;
            default:
                EXPECT_TRUE(control.picture.empty());
            }
            if (control.kind == ControlKind::NumberSpin && entry->visible()) {
                EXPECT_GE(entry->height(), 2 * kSpinButtonHeight);
            }
        }
    }
}

TEST(WindowLayouts, ChildWindowsNameExistingWindowsThatFitTheirPlace)
{
    for (const WindowDescription& window : kAllWindows) {
        for (const ControlLayout& control : window.controls) {
            if (control.kind != ControlKind::ChildWindow)
                continue;
            const auto entry = parseLayoutEntry(control.text);
            ASSERT_TRUE(entry);
            for (std::string_view art : splitPictureList(control.picture)) {
                SCOPED_TRACE(std::string(window.art) + " shows " + std::string(art));
                const WindowDescription* child = nullptr;
                for (const WindowDescription& candidate : kAllWindows)
                    if (candidate.art == art)
                        child = &candidate;
                ASSERT_NE(child, nullptr);
                EXPECT_EQ(child->width, entry->width());
                EXPECT_EQ(child->height, entry->height());
            }
        }
    }
}
