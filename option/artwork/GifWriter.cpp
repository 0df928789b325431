#include "option/artwork/GifWriter.h"

#include <gif_lib.h>

#include <QFile>

#include <array>
#include <cstring>
#include <vector>

namespace artgen {
namespace {

struct GifCloser {
    GifFileType* file = nullptr;
    ~GifCloser()
    {
        if (file)
            EGifCloseFile(file, nullptr);
    }
};

QString gifError(int code)
{
    const char* text = GifErrorString(code);
    return QString::fromLatin1(text ? text : "unknown giflib error");
}

}  // namespace

bool writeGif(const QString& path, const Animation& animation, QString& error)
{
    if (animation.frames.isEmpty() || animation.frames.size() != animation.delays.size()) {
        error = QStringLiteral("%1: no frames or delays").arg(path);
        return false;
    }
    const int width = animation.frames.first().width();
    const int height = animation.frames.first().height();
    const std::size_t frameSize = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::size_t total = frameSize * static_cast<std::size_t>(animation.frames.size());

    // One colour table for all frames: quantise the frames stacked as one image.
    std::vector<GifByteType> red(total), green(total), blue(total), indices(total);
    std::size_t at = 0;
    for (const QImage& source : animation.frames) {
        if (source.width() != width || source.height() != height) {
            error = QStringLiteral("%1: frames of different sizes").arg(path);
            return false;
        }
        const QImage frame = source.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < width; ++x, ++at) {
                red[at] = static_cast<GifByteType>(qRed(line[x]));
                green[at] = static_cast<GifByteType>(qGreen(line[x]));
                blue[at] = static_cast<GifByteType>(qBlue(line[x]));
            }
        }
    }
    int colours = 256;
    std::array<GifColorType, 256> table{};
    if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height * animation.frames.size()),
                          &colours, red.data(), green.data(), blue.data(), indices.data(), table.data())
        == GIF_ERROR) {
        error = QStringLiteral("%1: colour reduction failed").arg(path);
        return false;
    }

    int code = 0;
    GifCloser gif{EGifOpenFileName(path.toLocal8Bit().constData(), false, &code)};
    if (!gif.file) {
        error = QStringLiteral("%1: %2").arg(path, gifError(code));
        return false;
    }
    EGifSetGifVersion(gif.file, true);
    ColorMapObject* map = GifMakeMapObject(256, table.data());
    const int background = indices.empty() ? 0 : indices[0];
    const bool described = map && EGifPutScreenDesc(gif.file, width, height, 8, background, map) != GIF_ERROR;
    GifFreeMapObject(map);
    if (!described) {
        error = QStringLiteral("%1: %2").arg(path, gifError(gif.file->Error));
        return false;
    }

    // Loop forever (the NETSCAPE2.0 application extension).
    static const char application[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    bool ok = EGifPutExtensionLeader(gif.file, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR
              && EGifPutExtensionBlock(gif.file, 11, application) != GIF_ERROR
              && EGifPutExtensionBlock(gif.file, 3, loop) != GIF_ERROR
              && EGifPutExtensionTrailer(gif.file) != GIF_ERROR;

    for (qsizetype f = 0; ok && f < animation.frames.size(); ++f) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = animation.delays[f];
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif.file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_ERROR
             && EGifPutImageDesc(gif.file, 0, 0, width, height, false, nullptr) != GIF_ERROR;
        GifByteType* pixels = indices.data() + static_cast<std::size_t>(f) * frameSize;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(gif.file, pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width)
                 != GIF_ERROR;
    }
    if (!ok) {
        error = QStringLiteral("%1: %2").arg(path, gifError(gif.file->Error));
        return false;
    }
    GifFileType* file = gif.file;
    gif.file = nullptr;
    if (EGifCloseFile(file, &code) == GIF_ERROR) {
        error = QStringLiteral("%1: %2").arg(path, gifError(code));
        return false;
    }
    // giflib creates the file for its owner alone; an installed animation must
    // be readable by every user, as the other pictures are.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ReadOther);
    return true;
}

}  // namespace artgen
