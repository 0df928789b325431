#pragma once
// Draws one control of a window in one of its four states, in the look the
// style gives it: push, tab, segment, check, radio, icon, slot (and its fixed
// and unassigned forms), marker, name_field, swatch, dropdown, link,
// language_row. Also draws the controls' own pictures: slider tracks and thumbs
// and the spin buttons.

#include "option/artwork/Style.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

enum class ControlState { Normal, Hover, Pressed, Disabled };

inline constexpr ControlState kControlStates[] = {ControlState::Normal, ControlState::Hover, ControlState::Pressed,
                                                  ControlState::Disabled};

struct ControlArt {
    QString look;
    QString caption;  // "" none; "@glyph" or "@glyph text" for a symbol
    QRectF rect;
    int language = 0;  // language_row: which flag
};

bool isKnownLook(const QString& look);

class ControlPainter {
public:
    explicit ControlPainter(const Style& style) : style_(style) {}

    void draw(QPainter& painter, const ControlArt& control, ControlState state) const;

    // The slider pictures: a groove across the track; a knob as the thumb
    // (transparent outside its rounded shape).
    void drawTrack(QPainter& painter, const QRectF& rect, bool disabled) const;
    void drawThumb(QPainter& painter, const QRectF& rect, bool disabled) const;
    // A 16 x 8 spin button with its arrow.
    void drawSpinButton(QPainter& painter, const QRectF& rect, bool up, ControlState state) const;

private:
    void drawEnabled(QPainter& p, const ControlArt& c, ControlState s) const;
    void drawBox(QPainter& p, const QRectF& r, ControlState s, double radius, const QColor& base) const;
    void drawCaption(QPainter& p, const QRectF& r, const QString& caption, const QString& font, ControlState s,
                     Qt::Alignment align) const;
    void drawCheck(QPainter& p, const ControlArt& c, ControlState s, bool round) const;
    void drawSlot(QPainter& p, const ControlArt& c, ControlState s) const;
    void drawSwatch(QPainter& p, const ControlArt& c, ControlState s) const;
    void drawLanguageRow(QPainter& p, const ControlArt& c, ControlState s) const;

    QColor fillFor(const QColor& base, ControlState s) const;

    const Style& style_;
};

}  // namespace artgen
