#pragma once
// The message a skin control hands its owner, as one Qt event type: the
// message number (option/skin/logic/SkinMessages.h) with its wParam and lParam.
// An owner handles them in event() or customEvent():
//
//     if (const auto* m = SkinMessageEvent::from(event)) {
//         if (m->message() == kSliderValueMessage && m->lParam() == kSensitivitySlider) ...
//     }

#include <QEvent>

#include "option/skin/logic/SkinMessages.h"

class QObject;

namespace option::skin {

class SkinMessageEvent : public QEvent {
public:
    SkinMessageEvent(MessageId message, WParam wParam, LParam lParam);

    // The one event type all skin messages share, registered with Qt once.
    static QEvent::Type eventType();
    // `event` as a skin message, or nullptr when it is another event.
    static const SkinMessageEvent* from(const QEvent* event);

    MessageId message() const { return message_; }
    WParam wParam() const { return wParam_; }
    LParam lParam() const { return lParam_; }
    // wParam carrying a signed value (slider and spin values).
    int intWParam() const { return static_cast<int>(static_cast<std::int64_t>(wParam_)); }

private:
    MessageId message_;
    WParam wParam_;
    LParam lParam_;
};

// wParam for a signed value, read back with intWParam().
inline WParam wParamOfInt(int value) { return static_cast<WParam>(static_cast<std::int64_t>(value)); }

// Queues the message for `receiver` (handled after the current event); nothing
// when receiver is null.
void postSkinMessage(QObject* receiver, MessageId message, WParam wParam, LParam lParam);
// Delivers it at once; false when receiver is null or did not accept it.
bool sendSkinMessage(QObject* receiver, MessageId message, WParam wParam, LParam lParam);

}  // namespace option::skin
