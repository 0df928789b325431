#include "option/artwork/ArtworkWriter.h"

#include "option/artwork/Animations.h"
#include "option/artwork/GifWriter.h"
#include "option/artwork/NamedPictures.h"
#include "option/artwork/Paint.h"
#include "option/layout/AllWindows.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

using option::layout::ControlKind;
using option::layout::PictureFile;

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

QString stateFileName(const QString& set, ControlState state)
{
    const std::string_view name = option::layout::kStateImageNames[static_cast<int>(state)];
    return set + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString stem(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

// What lies outside a shaped window shows as a neutral desktop grey.
QImage showShape(const WindowArt& window, QImage image)
{
    const option::layout::WindowShape shape = window.description().shape;
    if (shape == option::layout::WindowShape::Rectangle)
        return image;
    const QImage outside = shape == option::layout::WindowShape::WhiteRangeMask ? window.mask() : window.background();
    const QRgb key = shape == option::layout::WindowShape::CornerKey ? outside.pixel(0, 0) : qRgb(255, 255, 255);
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((outside.pixel(x, y) | 0xff000000u) == (key | 0xff000000u))
                image.setPixel(x, y, qRgb(96, 100, 106));
    return image;
}

}  // namespace

ArtworkWriter::ArtworkWriter(const Style& style, double scale, QString distDir)
    : style_(style), scale_(scale), dist_(std::move(distDir))
{
    for (const option::layout::WindowDescription& window : option::layout::kAllWindows)
        windows_.push_back(std::make_unique<WindowArt>(style_, window, scale_));
}

const WindowArt* ArtworkWriter::window(const QString& art) const
{
    for (const auto& window : windows_)
        if (window->art() == art)
            return window.get();
    return nullptr;
}

bool ArtworkWriter::checkSize(const PictureFile& file, const QImage& image, QStringList& errors) const
{
    const QSize expected(static_cast<int>(std::lround(file.width * scale_)),
                         static_cast<int>(std::lround(file.height * scale_)));
    if (image.size() == expected)
        return true;
    errors.append(QStringLiteral("%1 is %2x%3, the windows expect %4x%5")
                      .arg(toQString(file.path))
                      .arg(image.width())
                      .arg(image.height())
                      .arg(expected.width())
                      .arg(expected.height()));
    return false;
}

void ArtworkWriter::save(const PictureFile& file, const QImage& image, QStringList& errors)
{
    const QString path = toQString(file.path);
    if (!checkSize(file, image, errors) || written_.contains(path))
        return;
    const QString target = dist_ + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(target).absolutePath());
    // Pictures read as Windows bitmaps by name keep that format.
    const char* format = target.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? "BMP" : "PNG";
    if (!image.save(target, format))
        errors.append(QStringLiteral("cannot write %1").arg(target));
    written_.insert(path, image);
}

void ArtworkWriter::saveAnimation(const PictureFile& file, const Animation& animation, QStringList& errors)
{
    const QString path = toQString(file.path);
    if (!checkSize(file, animation.frames.first(), errors) || written_.contains(path))
        return;
    const QString target = dist_ + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QString error;
    if (!writeGif(target, animation, error))
        errors.append(error);
    written_.insert(path, animation.frames.first());
}

QString ArtworkWriter::windowFile(const WindowArt& window, const QString& name)
{
    return toQString(option::layout::picturePath(window.description(), name.toStdString()));
}

void ArtworkWriter::writeWindow(const WindowArt& window, QStringList& errors)
{
    const auto file = [&](const QString& name) {
        return PictureFile{windowFile(window, name).toStdString(), window.description().width,
                           window.description().height};
    };
    save(file(QStringLiteral("background")), window.background().convertToFormat(QImage::Format_RGB32), errors);
    for (std::string_view extra : window.description().extraBackgrounds) {
        const QString name = QString::fromUtf8(extra.data(), static_cast<qsizetype>(extra.size()));
        save(file(name), window.background(name).convertToFormat(QImage::Format_RGB32), errors);
    }
    if (window.description().shape == option::layout::WindowShape::WhiteRangeMask)
        save(file(QStringLiteral("mask")), window.mask(), errors);
    QStringList sets = {QString()};
    for (std::string_view set : window.description().extraStateSets)
        sets.append(QString::fromUtf8(set.data(), static_cast<qsizetype>(set.size())));
    for (const QString& set : sets)
        for (ControlState state : kControlStates)
            save(file(stateFileName(set, state)), window.stateImage(set, state).convertToFormat(QImage::Format_RGB32),
                 errors);
    for (const PlacedControl& control : window.controls())
        writeControlPictures(window, control, errors);
}

void ArtworkWriter::writeControlPictures(const WindowArt& window, const PlacedControl& control, QStringList& errors)
{
    const std::vector<PictureFile> files = option::layout::controlPictures(window.description(), *control.layout);
    if (files.empty())
        return;
    const QRectF rect = control.rect();
    const QImage background = written_.value(windowFile(window, QStringLiteral("background")));
    const ControlPainter painter(style_);
    for (const PictureFile& file : files) {
        const QString name = stem(toQString(file.path));
        QImage image;
        switch (control.layout->kind) {
        case ControlKind::SliderTrack: {
            const bool disabled = name.endsWith(QLatin1String("_disabled"));
            const bool thumb = name.contains(QLatin1String("_thumb"));
            image = thumb ? newImage(file.width, file.height, scale_, Qt::transparent) : cutOut(background, rect);
            QPainter p;
            beginPainting(p, image);
            const QRectF area(0, 0, file.width, file.height);
            if (thumb)
                painter.drawThumb(p, area, disabled);
            else
                painter.drawTrack(p, area, disabled);
            p.end();
            if (thumb) {
                // Clear corners, so a thumb shaped by its corner colour keeps its rounded look.
                image = image.convertToFormat(QImage::Format_ARGB32);
                for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
                                            QPoint(image.width() - 1, image.height() - 1)})
                    image.setPixel(corner, qRgba(0, 0, 0, 0));
            }
            break;
        }
        case ControlKind::NumberSpin: {
            image = newImage(file.width, file.height, scale_, style_.color(QStringLiteral("control")));
            ControlState state = ControlState::Normal;
            if (name.endsWith(QLatin1String("_hover")))
                state = ControlState::Hover;
            else if (name.endsWith(QLatin1String("_pressed")))
                state = ControlState::Pressed;
            else if (name.endsWith(QLatin1String("_disabled")))
                state = ControlState::Disabled;
            QPainter p;
            beginPainting(p, image);
            painter.drawSpinButton(p, QRectF(0, 0, file.width, file.height), name.startsWith(QLatin1String("spin_up")),
                                   state);
            p.end();
            break;
        }
        case ControlKind::Animation: {
            // An animation may name its still beside its GIF.
            if (!toQString(file.path).endsWith(QLatin1String(".gif"))) {
                const std::optional<QImage> still = namedPicture(name, cutOut(background, rect), style_);
                if (!still)
                    errors.append(QStringLiteral("no picture is drawn for %1").arg(toQString(file.path)));
                else
                    save(file, still->convertToFormat(QImage::Format_RGB32), errors);
                continue;
            }
            const std::optional<Animation> animation =
                namedAnimation(QFileInfo(toQString(file.path)).fileName(), cutOut(background, rect), style_);
            if (!animation)
                errors.append(QStringLiteral("no animation is drawn for %1").arg(toQString(file.path)));
            else
                saveAnimation(file, *animation, errors);
            continue;
        }
        default: {
            const std::optional<QImage> picture = namedPicture(name, cutOut(background, rect), style_);
            if (!picture) {
                errors.append(QStringLiteral("no picture is drawn for %1").arg(toQString(file.path)));
                continue;
            }
            image = *picture;
            break;
        }
        }
        save(file, image, errors);
    }
}

QSet<QString> ArtworkWriter::programFolders() const
{
    QSet<QString> folders = {QString()};
    for (const auto& window : windows_)
        folders.insert(QString::fromUtf8(window->description().programFolder.data(),
                                         static_cast<qsizetype>(window->description().programFolder.size())));
    return folders;
}

void ArtworkWriter::writeShared(QStringList& errors)
{
    for (const QString& folder : programFolders()) {
        for (const PictureFile& file : option::layout::sharedPictures(folder.toStdString())) {
            const std::optional<QImage> picture =
                namedPicture(stem(toQString(file.path)), newImage(file.width, file.height, scale_), style_);
            if (!picture)
                errors.append(QStringLiteral("no picture is drawn for %1").arg(toQString(file.path)));
            else
                save(file, *picture, errors);
        }
    }
}

bool ArtworkWriter::writeAll(QStringList& errors)
{
    for (const QString& name : style_.windowNames())
        if (!window(name))
            errors.append(QStringLiteral("the style describes a window \"%1\" that no layout table has").arg(name));
    for (const auto& window : windows_)
        errors += window->problems();
    if (!errors.isEmpty())
        return false;
    // The skin folders hold only what this run draws: pictures of windows or
    // controls that no longer exist go.
    for (const QString& folder : programFolders())
        QDir(dist_ + QLatin1Char('/') + (folder.isEmpty() ? QString() : folder + QLatin1Char('/'))
             + QStringLiteral("skin"))
            .removeRecursively();
    for (const auto& window : windows_)
        writeWindow(*window, errors);
    writeShared(errors);
    return errors.isEmpty();
}

QImage ArtworkWriter::composePreview(const WindowArt& window, const QString& set) const
{
    QImage image = written_.value(windowFile(window, QStringLiteral("background")));
    image.setDevicePixelRatio(scale_);
    const WindowStyle& windowStyle = style_.window(window.art());
    QString hovered = windowStyle.previewHover;
    QStringList pressed = windowStyle.previewPressed;
    for (const PlacedControl& control : window.controls()) {
        if (!option::layout::isCutFromStateImages(control.layout->kind) || !control.entry.visible())
            continue;
        if (hovered.isEmpty())
            hovered = control.name();
        else if (pressed.isEmpty() && control.name() != hovered)
            pressed.append(control.name());
    }

    QPainter p;
    beginPainting(p, image);
    QSet<QString> shownHover;
    for (const PlacedControl& control : window.controls()) {
        if (!control.entry.visible())
            continue;
        const QRectF r = control.rect();
        const ControlKind kind = control.layout->kind;
        if (option::layout::isCutFromStateImages(kind)) {
            ControlState state = ControlState::Normal;
            const QString numbered = control.name() + QLatin1Char('#') + QString::number(control.occurrence);
            if (pressed.contains(control.name()) || pressed.contains(numbered))
                state = ControlState::Pressed;
            else if (control.name() == hovered && !shownHover.contains(hovered)) {
                state = ControlState::Hover;
                shownHover.insert(hovered);
            }
            p.drawImage(r.topLeft(), cutOut(written_.value(windowFile(window, stateFileName(set, state))), r));
            if (kind == ControlKind::Swatch) {
                // A sample colour where the swatch paints its own.
                QPainterPath square;
                square.setFillRule(Qt::WindingFill);
                square.addRect(QRectF(r.left() + 3, r.top() + 4, 16, 14));
                square.addRect(QRectF(r.left() + 4, r.top() + 3, 14, 16));
                p.fillPath(square.simplified(), QColor::fromHsv((control.index * 37) % 360, 210, 235));
            }
            const QString caption = windowStyle.previewCaptions.value(
                numbered, windowStyle.previewCaptions.value(control.name()));
            if (!caption.isEmpty()) {
                // As the skin toolkit draws a caption: 5 pixels from the left, centred vertically.
                QFont font(QStringLiteral("Liberation Sans"));
                font.setPixelSize(12);
                p.setFont(font);
                p.setPen(QColor(224, 224, 224));
                p.drawText(r.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
            }
            continue;
        }
        const std::vector<PictureFile> files = option::layout::controlPictures(window.description(), *control.layout);
        switch (kind) {
        case ControlKind::SliderTrack: {
            const QImage track = written_.value(toQString(files[0].path));
            const QImage thumb = written_.value(toQString(files[2].path));
            p.drawImage(r.topLeft(), track);
            p.drawImage(QPointF(r.left() + std::round((r.width() - files[2].width) * 0.4), r.top()), thumb);
            break;
        }
        case ControlKind::NumberSpin: {
            const double buttons = option::layout::kSpinButtonWidth;
            p.fillRect(QRectF(r.left(), r.top(), r.width() - buttons, r.height()), Qt::white);
            QFont font(QStringLiteral("Liberation Sans"));
            font.setPixelSize(std::min(14, static_cast<int>(r.height()) - 3));
            p.setFont(font);
            p.setPen(QColor(36, 36, 36));
            p.drawText(QRectF(r.left() + 3, r.top(), r.width() - buttons - 3, r.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("30"));
            const double y = r.center().y() - option::layout::kSpinButtonHeight;
            p.drawImage(QPointF(r.right() - buttons, y), written_.value(toQString(files[0].path)));
            p.drawImage(QPointF(r.right() - buttons, y + option::layout::kSpinButtonHeight),
                        written_.value(toQString(files[4].path)));
            break;
        }
        case ControlKind::Edit:
            p.fillRect(r, Qt::white);
            break;
        case ControlKind::Picture:
        case ControlKind::PictureButton:
        case ControlKind::Animation:
            p.drawImage(r.topLeft(), written_.value(toQString(files[files.size() > 1 ? 1 : 0].path)));
            break;
        case ControlKind::ChildWindow: {
            const QString first = QString::fromUtf8(control.layout->picture.data(),
                                                    static_cast<qsizetype>(control.layout->picture.size()))
                                      .section(QLatin1Char('|'), 0, 0);
            if (const WindowArt* child = this->window(first))
                p.drawImage(r.topLeft(), composePreview(*child));
            break;
        }
        case ControlKind::Text:
        case ControlKind::ProgressBar: {
            QColor marker = style_.color(QStringLiteral("accent"));
            marker.setAlpha(110);
            p.setPen(QPen(marker, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
            break;
        }
        default:
            break;
        }
    }
    p.end();
    return showShape(window, image);
}

bool ArtworkWriter::writePreviews(const QString& folder, QStringList& errors) const
{
    QDir().mkpath(folder);
    for (const auto& window : windows_) {
        const QString target = folder + QLatin1Char('/') + window->art() + QStringLiteral(".png");
        if (!composePreview(*window).save(target, "PNG"))
            errors.append(QStringLiteral("cannot write %1").arg(target));
        for (std::string_view extra : window->description().extraStateSets) {
            const QString set = QString::fromUtf8(extra.data(), static_cast<qsizetype>(extra.size()));
            const QString setTarget = folder + QLatin1Char('/') + window->art() + QLatin1Char('_') + set.chopped(1)
                                      + QStringLiteral(".png");
            if (!composePreview(*window, set).save(setTarget, "PNG"))
                errors.append(QStringLiteral("cannot write %1").arg(setTarget));
        }
    }
    return errors.isEmpty();
}

}  // namespace artgen
