#include "option/skin/SkinImages.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <future>

#include "platform/system/DebugOutput.h"
#include "platform/system/ProgramFolder.h"

namespace option::skin {
namespace {

QString& folderOverride()
{
    static QString folder;
    return folder;
}

QImage cut(const QImage& image, const QRect& rect)
{
    if (image.isNull()) return {};
    if (image.rect().contains(rect)) return image.copy(rect);
    QImage part(rect.size(), QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    QPainter painter(&part);
    painter.drawImage(QPoint(0, 0), image, rect);
    return part;
}

}  // namespace

const QImage& StateImages::face(ButtonFace face) const
{
    switch (face) {
    case ButtonFace::Hover: return hover;
    case ButtonFace::Pressed: return pressed;
    case ButtonFace::Disabled: return disabled;
    case ButtonFace::Normal: break;
    }
    return normal;
}

void setImageFolder(const QString& folder)
{
    QString withSlash = folder;
    if (!withSlash.isEmpty() && !withSlash.endsWith('/')) withSlash += '/';
    folderOverride() = withSlash;
}

QString imageFolder()
{
    if (!folderOverride().isEmpty()) return folderOverride();
    return QString::fromStdString(platform::programFolder());
}

QString programFilePath(const QString& relativeName)
{
    if (QFileInfo(relativeName).isAbsolute()) return relativeName;
    return imageFolder() + relativeName;
}

QImage loadProgramImage(const QString& relativeName)
{
    const QString path = programFilePath(relativeName);
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        platform::debugPrintf("SkinImages: cannot load %s: %s\n", qPrintable(path), qPrintable(reader.errorString()));
    return image;
}

QImage loadWindowBackground(const QString& window)
{
    return loadProgramImage(QStringLiteral("skin/%1/background.png").arg(window));
}

StateImages loadWindowStateImages(const QString& window)
{
    // Four window-sized pictures are most of a window's start: they are decoded
    // side by side (QImage is reentrant), each future joined before returning.
    const auto load = [&window](const char* state) {
        return std::async(std::launch::async, [window, state] { return loadWindowPicture(window, QLatin1String(state)); });
    };
    std::future<QImage> hover = load("hover");
    std::future<QImage> pressed = load("pressed");
    std::future<QImage> disabled = load("disabled");
    QImage normal = loadWindowPicture(window, QStringLiteral("normal"));
    return {std::move(normal), hover.get(), pressed.get(), disabled.get()};
}

QImage loadWindowPicture(const QString& window, const QString& picture)
{
    return loadProgramImage(QStringLiteral("skin/%1/%2.png").arg(window, picture));
}

QImage loadCommonPicture(const QString& picture)
{
    return loadWindowPicture(QStringLiteral("common"), picture);
}

StateImages cutStateImages(const StateImages& pageImages, const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0) return {};
    return {cut(pageImages.normal, rect), cut(pageImages.hover, rect), cut(pageImages.pressed, rect),
            cut(pageImages.disabled, rect)};
}

}  // namespace option::skin
