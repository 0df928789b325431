#include "option/app/StatusLine.h"

#include <QPainter>

#include "option/skin/SkinFonts.h"

namespace option::app {
namespace {

const QColor kTextColour(100, 100, 100);
constexpr int kTextHeight = 13;
constexpr int kArialWidth = 6;

}  // namespace

StatusLine::StatusLine(QWidget* parent, const QRect& rect, const QImage& picture)
    : QWidget(parent), picture_(picture)
{
    setGeometry(rect);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    useSystemFace(false);
}

void StatusLine::showHoverText(const QString& text)
{
    if (!text.isEmpty())
        notice_.clear();
    setText(text.isEmpty() ? notice_ : text);
}

void StatusLine::showNotice(const QString& text)
{
    notice_ = text;
    setText(text);
}

void StatusLine::useSystemFace(bool systemFace)
{
    font_ = systemFace ? QFont() : skin::skinFont(skin::kArialFace, kTextHeight, kArialWidth);
    font_.setPixelSize(kTextHeight);
    font_.setWeight(QFont::Normal);
    update();
}

void StatusLine::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

void StatusLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
    painter.setFont(font_);
    painter.setPen(kTextColour);
    painter.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

}  // namespace option::app
