#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "option/layout/LayoutEntry.h"
#include "option/skin/AnimationControl.h"
#include "option/skin/ApplicationStatus.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinSlider.h"
#include "option/skin/SkinWindow.h"

using namespace option::skin;
using skintest::Message;
using skintest::MessageRecorder;

namespace {

void settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

}  // namespace

TEST(SkinWidgets, ButtonHoverAndCheckableClickAndSliderRelease)
{
    MessageRecorder page;
    MessageRecorder mainWindow;
    ApplicationStatus::setMainWindow(&mainWindow);
    page.resize(300, 120);
    const auto entry = option::layout::parseLayoutEntry("Tab,10,10,60,20,Shows the tab");
    auto* button = SkinButton::fromLayout(&page, *entry, 42, skintest::pageImages(page.size(), {QRect(10, 10, 60, 20)}));
    button->setCheckable(true);
    const auto hidden = option::layout::parseLayoutEntry("B6,0,0,0,0,");
    auto* invisible = SkinButton::fromLayout(&page, *hidden, 43, skintest::pageImages(page.size(), {}));
    // 0-10 on 110 pixels with a 10-pixel thumb: 10 pixels a step.
    auto* slider = new SkinSlider(&page, QRect(10, 80, 110, 6), skintest::track(110, 6), skintest::thumb(10, 16), 300);
    slider->setRange(0, 10);
    slider->setRounding(true);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    QTest::mouseMove(&page, QPoint(200, 50));
    QTest::mouseMove(button, QPoint(30, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->isHovered(); }));
    settle();
    EXPECT_EQ(page.of(kHoverMessage), (std::vector<Message>{{kHoverMessage, kEntering, 42}}));
    EXPECT_EQ(mainWindow.of(kStatusTextMessage), (std::vector<Message>{{kStatusTextMessage, kEntering, 0}}));
    EXPECT_EQ(ApplicationStatus::text(), "Shows the tab");
    EXPECT_EQ(button->currentFace(), ButtonFace::Hover);
    EXPECT_TRUE(invisible->size().isEmpty());
    EXPECT_TRUE(invisible->faces().normal.isNull());

    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 10));
    settle();
    EXPECT_TRUE(button->isOn());
    EXPECT_EQ(button->currentFace(), ButtonFace::Pressed);
    EXPECT_EQ(page.of(kCommandMessage), (std::vector<Message>{{kCommandMessage, 42, 0}}));

    QTest::mouseMove(&page, QPoint(220, 60));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button->isHovered(); }));
    settle();
    EXPECT_EQ(page.of(kHoverMessage).back(), (Message{kHoverMessage, kLeaving, 42}));
    EXPECT_EQ(mainWindow.of(kStatusTextMessage).back(), (Message{kStatusTextMessage, kLeaving, 0}));
    EXPECT_EQ(ApplicationStatus::text(), "");

    const int thumbY = slider->thumbRect().center().y();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(5, thumbY));
    QTest::mouseMove(slider, QPoint(5 + 76, thumbY));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(5 + 76, thumbY));
    settle();
    const auto values = page.of(kSliderValueMessage);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back(), (Message{kSliderValueMessage, 8, 300}));
    EXPECT_EQ(slider->thumbRect().left(), 80);

    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(30, thumbY));  // 30 * 10 / 110 = 2.7
    settle();
    EXPECT_EQ(page.of(kSliderValueMessage).back(), (Message{kSliderValueMessage, 3, 300}));
    ApplicationStatus::setMainWindow(nullptr);
}

TEST(SkinWidgets, WindowFollowsADragOnItsBackground)
{
    SkinWindow window;
    window.setSkin(skintest::background(QSize(120, 80)), {}, ShapeMethod::Rectangle);
    window.move(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    // Without a window manager to move it, the window moves itself.
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&window, QPoint(40, 30));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.pos() == start + QPoint(30, 20); }));
}

TEST(SkinWidgets, NumericBoxFiltersAndSpinReportsValues)
{
    MessageRecorder page;
    page.resize(200, 60);
    auto* edit = new BitmapEdit(&page);
    edit->setNumeric(true);
    auto* spin = new NumberSpin(&page, QRect(0, 30, 44, 17), 401);
    spin->setRange(100, 5000);
    spin->setStep(100);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    QTest::keyClicks(edit, "1a2");
    EXPECT_EQ(edit->text(), "12");
    edit->clear();
    edit->insert("12a-3");  // as a paste does
    EXPECT_EQ(edit->text(), "123");
    edit->setSigned(true);
    edit->clear();
    edit->insert("12a-3");
    EXPECT_EQ(edit->text(), "12-3");
    QTest::keyClick(edit, Qt::Key_Return);
    settle();
    EXPECT_EQ(page.of(kEditChangedMessage).back(), (Message{kEditChangedMessage, kEditEnter, 0}));

    spin->edit()->selectAll();
    QTest::keyClicks(spin->edit(), "7000");
    QTest::keyClick(spin->edit(), Qt::Key_Return);
    settle();
    EXPECT_EQ(spin->edit()->text(), "5000");
    EXPECT_EQ(page.of(kSpinValueMessage).back(), (Message{kSpinValueMessage, 5000, 401}));
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(spin->edit()->text(), "4900");
    EXPECT_EQ(page.of(kSpinValueMessage).back(), (Message{kSpinValueMessage, 4900, 401}));

    const std::size_t before = page.messages.size();
    spin->setValue(300);  // shown without a word to the owner
    settle();
    EXPECT_EQ(page.messages.size(), before);
}

TEST(SkinWidgets, AnimationFramesAndStillPictures)
{
    QTemporaryDir folder;
    const QString animated = folder.filePath("animated.gif");
    const QString single = folder.filePath("single.gif");
    const QString still = folder.filePath("still.png");
    ASSERT_TRUE(skintest::writeGif(animated, 4, 3, 2, {{0, 1}, {7, 2}, {20, 3}}));
    ASSERT_TRUE(skintest::writeGif(single, 4, 3, 0, {{50, 1}}));
    ASSERT_TRUE(skintest::track(5, 2).save(still));

    AnimationControl control;
    ASSERT_TRUE(control.load(animated));
    EXPECT_EQ(control.frameCount(), 3);
    EXPECT_EQ(control.frameMilliseconds(0), 100);
    EXPECT_EQ(control.frameMilliseconds(1), 70);
    EXPECT_EQ(control.frameMilliseconds(2), 200);
    EXPECT_EQ(control.size(), QSize(4, 3));
    EXPECT_EQ(control.backgroundColour(), QColor(30, 200, 30));
    control.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return control.currentFrame() == 2; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return control.currentFrame() == 0; }, 5000));  // and round again
    control.stop();
    EXPECT_FALSE(control.isPlaying());

    for (const QString& file : {single, still}) {
        ASSERT_TRUE(control.load(file));
        EXPECT_TRUE(control.isStill());
        control.start();
        EXPECT_FALSE(control.isPlaying());
    }
    EXPECT_EQ(control.size(), QSize(5, 2));
    EXPECT_FALSE(control.load(folder.filePath("missing.gif")));
}
