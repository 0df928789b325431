#pragma once
// Pictures, a GIF writer and a message recorder for the skin's widget tests.

#include <QImage>
#include <QString>
#include <QWidget>

#include <ostream>
#include <vector>

#include "option/skin/SkinImages.h"
#include "option/skin/SkinMessageEvent.h"

namespace skintest {

// Page-sized state images with each button rectangle drawn in its state's look:
// normal grey, hover lighter with a blue border, pressed blue, disabled dim.
option::skin::StateImages pageImages(QSize size, const std::vector<QRect>& buttons);
QImage background(QSize size);
QImage track(int width, int height);
// A round thumb whose corners carry the key colour magenta.
QImage thumb(int width, int height);

struct GifFrame {
    int delayHundredths = 0;
    int colourIndex = 0;  // the whole frame in one colour of the 4-colour table
};
// Writes a GIF89a of width x height with the given frames; false on failure.
bool writeGif(const QString& path, int width, int height, int backgroundIndex, const std::vector<GifFrame>& frames);

struct Message {
    option::skin::MessageId message;
    option::skin::WParam wParam;
    option::skin::LParam lParam;
    bool operator==(const Message&) const = default;
    friend void PrintTo(const Message& m, std::ostream* out)
    {
        *out << "{" << m.message << ", " << m.wParam << ", " << m.lParam << "}";
    }
};

// A widget that keeps every skin message it receives.
class MessageRecorder : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<Message> messages;
    // The messages received with this number, in order.
    std::vector<Message> of(option::skin::MessageId message) const;

protected:
    bool event(QEvent* event) override;
};

}  // namespace skintest
