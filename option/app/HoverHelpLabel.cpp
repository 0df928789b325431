#include "option/app/HoverHelpLabel.h"

#include "option/skin/ApplicationStatus.h"

namespace option::app {

void HoverHelpLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    hovered_ = true;
    skin::ApplicationStatus::enter(statusText_);
}

void HoverHelpLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (hovered_)
        skin::ApplicationStatus::leave();
    hovered_ = false;
}

void HoverHelpLabel::hideEvent(QHideEvent* event)
{
    // Hidden under the pointer: the line must not keep describing it.
    QLabel::hideEvent(event);
    if (hovered_)
        skin::ApplicationStatus::leave();
    hovered_ = false;
}

}  // namespace option::app
