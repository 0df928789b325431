// Builds one window with every control in each of its states on simple test
// pictures and saves it as screenshots/skin-gallery.png in the build folder.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/ColorSwatchButton.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinMenu.h"
#include "option/skin/SkinSlider.h"
#include "option/skin/SkinWindow.h"

using namespace option::skin;

namespace {

QImage arrow(bool up)
{
    QImage image(NumberSpin::kArrowWidth, NumberSpin::kArrowHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(48, 53, 62));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(224, 224, 224));
    const QPolygonF triangle = up ? QPolygonF({{4, 6}, {12, 6}, {8, 2}}) : QPolygonF({{4, 2}, {12, 2}, {8, 6}});
    painter.drawPolygon(triangle);
    return image;
}

void hover(QWidget* widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(widget, &enter);
}

}  // namespace

TEST(SkinGallery, EveryControlInEachState)
{
    const QSize size(560, 250);
    std::vector<QRect> buttons;
    for (int i = 0; i < 6; ++i)
        buttons.emplace_back(10 + i * 90, 10, 84, 26);
    for (int i = 0; i < 4; ++i)
        buttons.emplace_back(10 + i * 30, 50, 23, 23);

    SkinWindow window;
    window.setSkin(skintest::background(size), skintest::pageImages(size, buttons), ShapeMethod::Rectangle);
    std::vector<SkinButton*> row;
    for (int i = 0; i < 6; ++i) {
        auto* button = new SkinButton(&window, buttons[i], i + 1);
        button->setBitmaps(buttons[i], window.stateImages());
        button->setCaption(QStringList{"Normal", "Hover", "Pressed", "Disabled", "On", "Trophy"}[i]);
        row.push_back(button);
    }
    row[5]->setTrademark(true);
    row[5]->setCheckable(true);
    row[5]->setOn(true);
    row[2]->setDown(true);
    row[3]->setEnabled(false);
    row[4]->setOn(true);
    const QColor swatchColours[] = {Qt::red, QColor(255, 200, 0), QColor(0, 200, 80), QColor(68, 191, 255)};
    std::vector<ColorSwatchButton*> swatches;
    for (int i = 0; i < 4; ++i) {
        auto* swatch = new ColorSwatchButton(&window, buttons[6 + i], 20 + i);
        swatch->setBitmaps(buttons[6 + i], window.stateImages());
        swatch->setColour(swatchColours[i]);
        swatches.push_back(swatch);
    }

    auto* numeric = new BitmapEdit(&window);
    numeric->setGeometry(140, 52, 60, 18);
    numeric->setNumeric(true);
    numeric->setText("1234");
    auto* name = new BitmapEdit(&window);
    name->setGeometry(210, 52, 120, 18);
    name->setText("Profile name");
    auto* spin = new NumberSpin(&window, QRect(340, 52, 44, 17), 401);
    spin->setRange(100, 5000);
    spin->setValue(1600);
    spin->setArrowFaces(StateImages::single(arrow(true)), StateImages::single(arrow(false)));

    const int values[] = {0, 5, 10, 7};
    std::vector<SkinSlider*> sliders;
    for (int i = 0; i < 4; ++i) {
        auto* slider = new SkinSlider(&window, QRect(10, 95 + i * 25, 266, 6), skintest::track(266, 6),
                                      skintest::thumb(11, 17), 300 + i);
        slider->setThumbShapeFromCornerKey(true);
        slider->setValue(values[i]);
        sliders.push_back(slider);
    }
    sliders[3]->setEnabled(false);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    hover(row[1]);

    SkinMenu menu;
    menu.setItemWidth(170);
    menu.appendItem(1, "Left Click");
    QAction* selected = menu.appendItem(2, "Right Click");
    menu.appendItem(3, "Current item", true);
    menu.appendItem(4, "Trademarked", false, true);
    menu.appendSeparator();
    menu.appendSubmenu("Submenu")->appendItem(5, "Inside");
    menu.appendItem(6, "Disabled")->setEnabled(false);
    menu.popup(window.mapToGlobal(QPoint(300, 90)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(selected);
    QApplication::processEvents();

    const QImage windowShot = window.grab().toImage();
    const QImage menuShot = menu.grab().toImage();
    menu.close();

    QImage gallery(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&gallery);
        painter.drawImage(0, 0, windowShot);
        painter.drawImage(300, 90, menuShot);
    }
    const QString folder = QStringLiteral(ZURO_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(gallery.save(folder + "/skin-gallery.png"));

    // The menu's frame: an accent line, then black; items 16 pixels high.
    EXPECT_EQ(menuShot.pixelColor(0, 0), QColor(53, 160, 222));
    EXPECT_EQ(menuShot.pixelColor(1, 1), QColor(0, 0, 0));
    EXPECT_EQ(menuShot.pixelColor(2, 5), QColor(0, 0, 0));
    EXPECT_EQ(menu.actionGeometry(selected).height(), 16);
    EXPECT_EQ(menu.actionGeometry(selected).width(), 170);
    EXPECT_EQ(menuShot.pixelColor(menu.actionGeometry(selected).topRight() + QPoint(-1, 1)), QColor(53, 160, 222));
    // The swatch's corners stay uncovered.
    const QImage swatchShot = swatches[0]->grab().toImage();
    EXPECT_EQ(swatchShot.pixelColor(4, 4), QColor(Qt::red));
    EXPECT_NE(swatchShot.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(swatchShot.pixelColor(17, 18), QColor(Qt::red));
    EXPECT_NE(swatchShot.pixelColor(18, 18), QColor(Qt::red));
    // The faces follow the states.
    EXPECT_EQ(row[1]->currentFace(), ButtonFace::Hover);
    EXPECT_EQ(row[2]->currentFace(), ButtonFace::Pressed);
    EXPECT_EQ(row[3]->currentFace(), ButtonFace::Disabled);
    EXPECT_EQ(row[4]->currentFace(), ButtonFace::Pressed);
}
