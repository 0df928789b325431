#include "option/skin/WindowShape.h"
#include "option/skin/logic/ButtonFace.h"
#include "option/skin/logic/GifAnimation.h"
#include "option/skin/logic/MenuMetrics.h"
#include "option/skin/logic/SkinMessages.h"

#include <QImage>
#include <QRegion>

#include <gtest/gtest.h>

#include <vector>

using namespace option::skin;

TEST(SkinMenu, ItemHeights)
{
    EXPECT_EQ(menuItemHeight(true, 14), 5);
    EXPECT_EQ(menuItemHeight(false, 14), 16);
    EXPECT_EQ(menuItemHeight(false, 8), 10);
}

TEST(SkinButton, FaceRules)
{
    // Checkable: disabled wins, then on, then hover.
    EXPECT_EQ(chooseButtonFace({.checkable = true, .on = true, .enabled = false}), ButtonFace::Disabled);
    EXPECT_EQ(chooseButtonFace({.checkable = true, .on = true, .hover = true}), ButtonFace::Pressed);
    EXPECT_EQ(chooseButtonFace({.checkable = true, .hover = true}), ButtonFace::Hover);
    EXPECT_EQ(chooseButtonFace({.checkable = true, .held = true}), ButtonFace::Normal);
    // A push button marked on shows pressed while enabled.
    EXPECT_EQ(chooseButtonFace({.on = true, .hover = true}), ButtonFace::Pressed);
    EXPECT_EQ(chooseButtonFace({.on = true, .enabled = false}), ButtonFace::Disabled);
    // Other push buttons: held, hover, disabled, normal.
    EXPECT_EQ(chooseButtonFace({.hover = true, .held = true}), ButtonFace::Pressed);
    EXPECT_EQ(chooseButtonFace({.hover = true}), ButtonFace::Hover);
    EXPECT_EQ(chooseButtonFace({}), ButtonFace::Normal);
}

TEST(SkinMessages, RegisteredNamesKeepTheirNumbers)
{
    const MessageId killFocus = editKillFocusMessage();
    EXPECT_GE(killFocus, platform::kFirstRegisteredMessage);
    EXPECT_EQ(registeredMessage("bitmapedit_killfocus"), killFocus);
    EXPECT_NE(registeredMessage(kEditChangeName), killFocus);
    EXPECT_EQ(registeredMessage(""), 0u);
}

TEST(GifAnimation, ShortDelaysShowForATenthOfASecond)
{
    EXPECT_EQ(frameMilliseconds(0), 100);
    EXPECT_EQ(frameMilliseconds(4), 100);
    EXPECT_EQ(frameMilliseconds(5), 50);
    EXPECT_EQ(frameMilliseconds(20), 200);
}

TEST(GifAnimation, ScreenSizeAndBackgroundFromTheHeader)
{
    // 3 x 2 screen, global table of 2 entries, background index 1.
    std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 3, 0, 2, 0, 0x80, 1, 0,
                                     0x10, 0x20, 0x30, 0xAA, 0xBB, 0xCC};
    auto screen = readGifScreen(gif);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->width, 3);
    EXPECT_EQ(screen->height, 2);
    EXPECT_EQ(screen->background, 0xFFAABBCCu);

    gif[11] = 7;  // an index past the table: no colour read from beyond it
    EXPECT_EQ(readGifScreen(gif)->background, 0xFF000000u);
    gif[11] = 1;
    gif.resize(16);  // table cut short
    EXPECT_EQ(readGifScreen(gif)->background, 0xFF000000u);

    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I'};
    EXPECT_FALSE(readGifScreen(png));
    EXPECT_FALSE(readGifScreen(std::vector<std::uint8_t>(gif.begin(), gif.begin() + 8)));
}

namespace {

// A 6 x 4 picture of one colour with the given pixels in another.
QImage picture(QRgb fill, QRgb mark, std::initializer_list<QPoint> marked)
{
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(fill);
    for (const QPoint& p : marked)
        image.setPixel(p, mark);
    return image;
}

}  // namespace

TEST(WindowShape, CornerKeyCutsAwayEveryPixelOfTheCornerColour)
{
    const QRgb key = qRgb(255, 0, 255);
    // Keyed corners and one keyed pixel inside; everything else belongs to the window.
    QImage image = picture(qRgb(20, 20, 20), key, {{0, 0}, {5, 0}, {0, 3}, {5, 3}, {2, 1}});
    const QRegion shape = regionOutsideCornerKey(image);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(5, 3)));
    EXPECT_FALSE(shape.contains(QPoint(2, 1)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(3, 1)));
    EXPECT_EQ(shape.boundingRect(), QRect(0, 0, 6, 4));
    image.setPixel(1, 1, qRgb(255, 0, 254));  // close to the key is not the key
    EXPECT_TRUE(regionOutsideCornerKey(image).contains(QPoint(1, 1)));
}

TEST(WindowShape, WhiteRangeCutsAwayPureWhiteOnly)
{
    const QImage image = picture(qRgb(255, 255, 255), qRgb(254, 255, 255), {{1, 1}, {2, 1}, {4, 2}});
    const QRegion shape = windowShape(image, ShapeMethod::WhiteRange);
    EXPECT_TRUE(shape.contains(QPoint(1, 1)));
    EXPECT_TRUE(shape.contains(QPoint(2, 1)));
    EXPECT_TRUE(shape.contains(QPoint(4, 2)));
    EXPECT_FALSE(shape.contains(QPoint(3, 1)));
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_EQ(shape.rectCount(), 2);  // the two runs, on their two lines

    EXPECT_TRUE(regionOutsideColourRange(image, qRgb(250, 250, 250), 5).isEmpty());
    EXPECT_TRUE(windowShape(QImage(), ShapeMethod::WhiteRange).isEmpty());
}
