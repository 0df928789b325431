#pragma once
// The pictures of one window made from its layout table and its style: the
// backgrounds (with the window's shape), the mask, and the page-sized state
// images in which every button is drawn at its rectangle in one state.

#include "option/artwork/ControlPainter.h"
#include "option/artwork/Style.h"
#include "option/layout/ControlLayout.h"
#include "option/layout/LayoutEntry.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>

namespace artgen {

struct PlacedControl {
    const option::layout::ControlLayout* layout = nullptr;
    option::layout::LayoutEntry entry;
    int index = 0;       // position in the table
    int occurrence = 1;  // 1 for the first control of its name, 2 for the second...

    QRectF rect() const { return QRectF(entry.left, entry.top, entry.width(), entry.height()); }
    QString name() const { return QString::fromStdString(entry.name); }
};

class WindowArt {
public:
    WindowArt(const Style& style, const option::layout::WindowDescription& window, double scale);

    const option::layout::WindowDescription& description() const { return window_; }
    QString art() const { return QString::fromUtf8(window_.art.data(), static_cast<qsizetype>(window_.art.size())); }
    const QList<PlacedControl>& controls() const { return controls_; }
    double scale() const { return scale_; }

    // What in the layout table or the style cannot be drawn: unparsable layout
    // strings, style entries naming no control, unknown looks, coded control
    // names without a caption, decorations that are not figures.
    QStringList problems() const;

    QImage background(const QString& name = QStringLiteral("background")) const;
    QImage mask() const;  // white outside the shape, black inside
    QImage stateImage(const QString& set, ControlState state) const;

    ControlArt controlArt(const PlacedControl& control, const QString& set = QString()) const;

private:
    bool shaped() const;
    QColor outsideColor() const;
    QPainterPath shape() const;
    void paintContent(QPainter& p, const QString& background) const;
    void paintControlWells(QPainter& p) const;
    QImage finishShape(QImage image) const;
    QString lookup(const QHash<QString, QString>& map, const PlacedControl& control, bool* found) const;

    const Style& style_;
    const option::layout::WindowDescription& window_;
    const WindowStyle& windowStyle_;
    double scale_;
    QList<PlacedControl> controls_;
    QStringList parseProblems_;
};

}  // namespace artgen
