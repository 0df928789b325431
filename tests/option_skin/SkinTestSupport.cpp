#include "SkinTestSupport.h"

#include <QPainter>

#include <gif_lib.h>

namespace skintest {

option::skin::StateImages pageImages(QSize size, const std::vector<QRect>& buttons)
{
    const auto draw = [&](QColor fill, QColor border) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(24, 27, 32));
        QPainter painter(&image);
        for (const QRect& r : buttons) {
            painter.fillRect(r, fill);
            painter.setPen(border);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        return image;
    };
    return {draw(QColor(48, 53, 62), QColor(70, 76, 88)), draw(QColor(62, 68, 80), QColor(53, 160, 222)),
            draw(QColor(30, 80, 110), QColor(53, 160, 222)), draw(QColor(34, 36, 40), QColor(44, 46, 50))};
}

QImage background(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(24, 27, 32));
    return image;
}

QImage track(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(70, 76, 88));
    return image;
}

QImage thumb(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(53, 160, 222));
    painter.drawRoundedRect(QRect(0, 0, width, height), 3, 3);
    return image;
}

bool writeGif(const QString& path, int width, int height, int backgroundIndex, const std::vector<GifFrame>& frames)
{
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif) return false;
    EGifSetGifVersion(gif, true);
    GifColorType colours[4] = {{0, 0, 0}, {200, 30, 30}, {30, 200, 30}, {30, 30, 200}};
    ColorMapObject* table = GifMakeMapObject(4, colours);
    bool ok = EGifPutScreenDesc(gif, width, height, 2, backgroundIndex, table) == GIF_OK;
    GifFreeMapObject(table);
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (const GifFrame& frame : frames) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, frame.delayHundredths, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK;
        ok = ok && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
        std::fill(line.begin(), line.end(), static_cast<GifPixelType>(frame.colourIndex));
        for (int y = 0; y < height && ok; ++y)
            ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
    }
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

std::vector<Message> MessageRecorder::of(option::skin::MessageId message) const
{
    std::vector<Message> found;
    for (const Message& m : messages)
        if (m.message == message) found.push_back(m);
    return found;
}

bool MessageRecorder::event(QEvent* event)
{
    if (const auto* m = option::skin::SkinMessageEvent::from(event)) {
        messages.push_back({m->message(), m->wParam(), m->lParam()});
        return true;
    }
    return QWidget::event(event);
}

}  // namespace skintest
