#pragma once
// The key source of the recorder, the timeline's key capture and the shortcut
// dialog over a keyboard grab: installing takes the whole keyboard, keys arrive
// on the user-interface thread as the grab's connection becomes readable, and
// removing (or destroying the source) gives the keyboard back.
#include <QObject>

#include <memory>

#include "option/core/KeyCapture.h"
#include "platform/input/KeyboardGrab.h"

class QSocketNotifier;

namespace option::app {

class GrabKeySource final : public QObject, public core::KeySource {
    Q_OBJECT
public:
    explicit GrabKeySource(std::unique_ptr<platform::KeyboardGrab> grab, QObject* parent = nullptr);
    ~GrabKeySource() override;

    bool install(core::KeyListener& listener) override;
    void remove() override;
    bool installed() const { return listener_ != nullptr; }

    // Hands the keys that wait to the listener (the notifier calls it; tests
    // whose grab has no descriptor call it themselves).
    void deliverWaitingKeys();

    platform::KeyboardGrab& grab() { return *grab_; }

private:
    std::unique_ptr<platform::KeyboardGrab> grab_;
    QSocketNotifier* notifier_ = nullptr;
    core::KeyListener* listener_ = nullptr;
};

// The source on the application's display.
std::unique_ptr<GrabKeySource> createDisplayKeySource(QObject* parent = nullptr);

}  // namespace option::app
