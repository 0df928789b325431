#pragma once
// A popup menu painted in the skin's colours: white text on black, the
// selected item on RGB(53,160,222), an item marked current in RGB(68,191,255),
// separators as a line in the accent colour, a one-pixel accent frame with two
// black lines inside it. Items are the font's pixel height plus 2 high (a
// separator 5) and all as wide as the page chooses (140 until set); an item may
// carry a small "TM" after its text, and one that opens a submenu shows
// skin/common/menu_arrow.png near its right edge.

#include <QFont>
#include <QImage>
#include <QMenu>

#include "option/skin/SkinFonts.h"

namespace option::skin {

class SkinMenu : public QMenu {
    Q_OBJECT
public:
    explicit SkinMenu(QWidget* parent = nullptr, const QFont& font = menuItemFont());

    void setItemWidth(int width);
    int itemWidth() const { return itemWidth_; }

    // An item that returns `commandId` from track(); `current` draws it in the
    // current-item colour, `trademark` adds "TM" after its text.
    QAction* appendItem(int commandId, const QString& text, bool current = false, bool trademark = false);
    // A submenu with the same font and width, owned by this menu.
    SkinMenu* appendSubmenu(const QString& text, bool current = false, bool trademark = false);
    // A separator: an item with command 0 and no text.
    QAction* appendSeparator();

    // Shows the menu with its top-left corner at `screenPos` and waits for the
    // user's choice: the chosen item's command, or 0 when none was chosen.
    int track(const QPoint& screenPos);

    static int commandOf(const QAction* action);
    static bool isCurrentItem(const QAction* action);
    static bool hasTrademark(const QAction* action);

    // The submenu arrow of every menu; skin/common/menu_arrow.png until set.
    static void setArrowPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintItem(QPainter& painter, const QAction* action, const QRect& rect) const;
    void paintFrame(QPainter& painter) const;

    int itemWidth_ = 140;
};

}  // namespace option::skin
