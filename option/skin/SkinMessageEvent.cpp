#include "option/skin/SkinMessageEvent.h"

#include <QCoreApplication>

namespace option::skin {

SkinMessageEvent::SkinMessageEvent(MessageId message, WParam wParam, LParam lParam)
    : QEvent(eventType()), message_(message), wParam_(wParam), lParam_(lParam)
{
}

QEvent::Type SkinMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

const SkinMessageEvent* SkinMessageEvent::from(const QEvent* event)
{
    return event && event->type() == eventType() ? static_cast<const SkinMessageEvent*>(event) : nullptr;
}

void postSkinMessage(QObject* receiver, MessageId message, WParam wParam, LParam lParam)
{
    if (receiver) QCoreApplication::postEvent(receiver, new SkinMessageEvent(message, wParam, lParam));
}

bool sendSkinMessage(QObject* receiver, MessageId message, WParam wParam, LParam lParam)
{
    if (!receiver) return false;
    SkinMessageEvent event(message, wParam, lParam);
    return QCoreApplication::sendEvent(receiver, &event);
}

}  // namespace option::skin
