#include "option/skin/SkinButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "option/skin/ApplicationStatus.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinMessageEvent.h"

namespace option::skin {
namespace {

constexpr double kDimmedOnOpacity = 0.5;

const QColor kCaptionColour(224, 224, 224);
constexpr int kCaptionLeft = 5;

QRect layoutRect(const layout::LayoutEntry& entry)
{
    return QRect(entry.left, entry.top, entry.width(), entry.height());
}

}  // namespace

SkinButton::SkinButton(QWidget* parent, const QRect& rect, int controlId)
    : QAbstractButton(parent), controlId_(controlId)
{
    setGeometry(rect.isValid() ? rect : QRect(rect.topLeft(), QSize(0, 0)));
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::clicked, this, &SkinButton::sendCommand);
}

SkinButton* SkinButton::fromLayout(QWidget* parent, const layout::LayoutEntry& entry, int controlId,
                                   const StateImages& pageImages)
{
    auto* button = new SkinButton(parent, layoutRect(entry), controlId);
    button->setBitmaps(layoutRect(entry), pageImages);
    button->setStatusText(QString::fromStdString(entry.statusText));
    return button;
}

void SkinButton::setBitmaps(const QRect& rect, const StateImages& pageImages)
{
    setGeometry(rect.isValid() ? rect : QRect(rect.topLeft(), QSize(0, 0)));
    setFaces(cutStateImages(pageImages, rect));
}

void SkinButton::setFaces(const StateImages& faces)
{
    faces_ = faces;
    update();
}

void SkinButton::setStatusText(const QString& text)
{
    statusText_ = text;
    setAccessibleDescription(text);
}

void SkinButton::setCaption(const QString& caption)
{
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void SkinButton::setTrademark(bool trademark)
{
    trademark_ = trademark;
    update();
}

void SkinButton::setHandCursor(bool hand)
{
    if (hand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void SkinButton::setOn(bool on)
{
    if (on == isOn()) return;
    if (isCheckable())
        setChecked(on);
    else
        pushOn_ = on;
    update();
}

bool SkinButton::isOn() const
{
    return isCheckable() ? isChecked() : pushOn_;
}

ButtonFace SkinButton::currentFace() const
{
    return chooseButtonFace({isCheckable(), isOn(), hover_, isDown(), isEnabled()});
}

void SkinButton::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0) return;
    QPainter painter(this);
    const ButtonFace chosen = currentFace();
    // A ticked box that cannot be used (the active CPI level's) keeps its tick,
    // dimmed: the disabled picture alone would read as unticked.
    const bool dimmedOn = chosen == ButtonFace::Disabled && isCheckable() && isOn() &&
                          !faces_.face(ButtonFace::Pressed).isNull();
    const QImage& face = faces_.face(dimmedOn ? ButtonFace::Pressed : chosen);
    if (dimmedOn) painter.setOpacity(kDimmedOnOpacity);
    if (!face.isNull()) painter.drawImage(rect(), face);
    painter.setOpacity(1.0);
    if (caption_.isEmpty()) return;

    const QFont captionFont = buttonCaptionFont();
    const QFontMetrics metrics(captionFont);
    painter.setFont(captionFont);
    painter.setPen(kCaptionColour);
    const QRect textRect(kCaptionLeft, 0, width() - kCaptionLeft, height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    if (!trademark_) return;
    // The mark sits after the caption, its top level with the caption's capitals.
    const int captionTop = (height() - metrics.height()) / 2 + metrics.ascent() - metrics.capHeight();
    painter.setFont(buttonTrademarkFont());
    const QFontMetrics markMetrics(painter.font());
    painter.drawText(QPoint(kCaptionLeft + metrics.horizontalAdvance(caption_) + 1, captionTop + markMetrics.capHeight()),
                     QStringLiteral("TM"));
}

void SkinButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    if (hover_ || !isEnabled() || width() <= 0 || height() <= 0) return;
    hover_ = true;
    update();
    postSkinMessage(parentWidget(), kHoverMessage, kEntering, controlId_);
    ApplicationStatus::enter(statusText_);
}

void SkinButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    endHover();
}

void SkinButton::endHover()
{
    if (!hover_) return;
    hover_ = false;
    update();
    postSkinMessage(parentWidget(), kHoverMessage, kLeaving, controlId_);
    ApplicationStatus::leave();
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !window()->isActiveWindow()) window()->activateWindow();
    QAbstractButton::mousePressEvent(event);
}

void SkinButton::hideEvent(QHideEvent* event)
{
    endHover();
    QAbstractButton::hideEvent(event);
}

void SkinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) endHover();
    QAbstractButton::changeEvent(event);
}

void SkinButton::sendCommand()
{
    emit command(controlId_);
    sendSkinMessage(parentWidget(), kCommandMessage, static_cast<WParam>(controlId_), 0);
}

}  // namespace option::skin
