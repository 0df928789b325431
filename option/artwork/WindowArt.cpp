#include "option/artwork/WindowArt.h"

#include "option/artwork/Figures.h"
#include "option/artwork/Paint.h"
#include "option/layout/SkinPictures.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace artgen {
namespace {

using option::layout::ControlKind;
using option::layout::WindowShape;

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString defaultLook(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Tab: return QStringLiteral("tab");
    case ControlKind::CheckButton: return QStringLiteral("check");
    case ControlKind::ChoiceButton: return QStringLiteral("segment");
    case ControlKind::Swatch: return QStringLiteral("swatch");
    default: return QStringLiteral("push");
    }
}

// Names like "BUTTON_OK" or "EDIT_SPIN" are identifiers, never captions.
bool isCodedName(const QString& name)
{
    return name.contains(QLatin1Char('_')) || (name.size() > 3 && name == name.toUpper());
}

QString baseKey(const QString& key)
{
    const qsizetype hash = key.indexOf(QLatin1Char('#'));
    return hash < 0 ? key : key.left(hash);
}

const QStringList kAreaLooks = {QStringLiteral("frame"), QStringLiteral("well")};
const QStringList kFigures = {QStringLiteral("panel"), QStringLiteral("well"), QStringLiteral("divider"),
                              QStringLiteral("rule"),  QStringLiteral("badge"), QStringLiteral("mouse")};

}  // namespace

WindowArt::WindowArt(const Style& style, const option::layout::WindowDescription& window, double scale)
    : style_(style), window_(window), windowStyle_(style.window(toQString(window.art))), scale_(scale)
{
    QHash<QString, int> seen;
    int index = 0;
    for (const option::layout::ControlLayout& layout : window.controls) {
        const auto entry = option::layout::parseLayoutEntry(layout.text);
        if (!entry) {
            parseProblems_.append(QStringLiteral("unreadable layout string \"%1\"").arg(toQString(layout.text)));
            ++index;
            continue;
        }
        PlacedControl control;
        control.layout = &layout;
        control.entry = *entry;
        control.index = index++;
        control.occurrence = ++seen[control.name()];
        controls_.append(control);
    }
}

QString WindowArt::lookup(const QHash<QString, QString>& map, const PlacedControl& control, bool* found) const
{
    const QString numbered = control.name() + QLatin1Char('#') + QString::number(control.occurrence);
    for (const QString& key : {numbered, control.name(), QStringLiteral("*")}) {
        const auto it = map.constFind(key);
        if (it != map.constEnd()) {
            if (found)
                *found = true;
            return *it;
        }
    }
    if (found)
        *found = false;
    return {};
}

QStringList WindowArt::problems() const
{
    QStringList problems = parseProblems_;
    const QString art = this->art();
    QSet<QString> names;
    for (const PlacedControl& control : controls_)
        names.insert(control.name());
    const auto checkKeys = [&](const QHash<QString, QString>& map, const QString& what) {
        for (auto it = map.begin(); it != map.end(); ++it)
            if (it.key() != QLatin1String("*") && !names.contains(baseKey(it.key())))
                problems.append(QStringLiteral("%1: %2 for \"%3\", which is no control").arg(art, what, it.key()));
    };
    checkKeys(windowStyle_.captions, QStringLiteral("caption"));
    checkKeys(windowStyle_.looks, QStringLiteral("look"));
    for (auto it = windowStyle_.looks.begin(); it != windowStyle_.looks.end(); ++it)
        if (!isKnownLook(*it) && !kAreaLooks.contains(*it))
            problems.append(QStringLiteral("%1: unknown look \"%2\"").arg(art, *it));

    QStringList sets;
    for (std::string_view set : window_.extraStateSets)
        sets.append(toQString(set));
    for (auto it = windowStyle_.sets.begin(); it != windowStyle_.sets.end(); ++it) {
        if (!sets.contains(it.key()))
            problems.append(QStringLiteral("%1: style for state set \"%2\" the window lacks").arg(art, it.key()));
        checkKeys(it->captions, QStringLiteral("caption"));
    }
    QStringList backgrounds = {QStringLiteral("background")};
    for (std::string_view background : window_.extraBackgrounds)
        backgrounds.append(toQString(background));
    for (auto it = windowStyle_.backgrounds.begin(); it != windowStyle_.backgrounds.end(); ++it)
        if (!backgrounds.contains(it.key()))
            problems.append(QStringLiteral("%1: style for background \"%2\" the window lacks").arg(art, it.key()));

    QList<Figure> figures = windowStyle_.decorations.figures;
    for (const Decorations& decorations : windowStyle_.backgrounds)
        figures += decorations.figures;
    for (const Figure& figure : figures)
        if (!kFigures.contains(figure.kind))
            problems.append(QStringLiteral("%1: unknown figure \"%2\"").arg(art, figure.kind));

    for (const PlacedControl& control : controls_) {
        if (!option::layout::isCutFromStateImages(control.layout->kind) || !control.entry.visible())
            continue;
        const ControlArt drawn = controlArt(control);
        if (drawn.look == QLatin1String("language_row")) {
            if (control.index >= style_.languages().size())
                problems.append(QStringLiteral("%1: no language name for row %2").arg(art).arg(control.index));
            continue;
        }
        bool found = false;
        lookup(windowStyle_.captions, control, &found);
        if (!found && isCodedName(control.name()))
            problems.append(QStringLiteral("%1: \"%2\" needs a caption (or \"\" for none)").arg(art, control.name()));
    }
    return problems;
}

ControlArt WindowArt::controlArt(const PlacedControl& control, const QString& set) const
{
    ControlArt art;
    art.rect = control.rect();
    bool found = false;
    art.look = lookup(windowStyle_.looks, control, &found);
    if (!found || !isKnownLook(art.look))
        art.look = defaultLook(control.layout->kind);
    art.caption = lookup(windowStyle_.captions, control, &found);
    if (!found)
        art.caption = isCodedName(control.name()) ? QString() : control.name();
    if (!set.isEmpty()) {
        const StateSetStyle setStyle = windowStyle_.sets.value(set);
        art.look = setStyle.lookMap.value(art.look, art.look);
        const QString caption = lookup(setStyle.captions, control, &found);
        if (found)
            art.caption = caption;
    }
    if (art.look == QLatin1String("language_row")) {
        art.language = control.index;
        art.caption = style_.languages().value(control.index);
    }
    return art;
}

bool WindowArt::shaped() const
{
    return window_.shape != WindowShape::Rectangle;
}

QColor WindowArt::outsideColor() const
{
    return window_.shape == WindowShape::CornerKey ? style_.color(QStringLiteral("key")) : QColor(255, 255, 255);
}

QPainterPath WindowArt::shape() const
{
    const double radius = style_.metric(window_.shape == WindowShape::CornerKey ? QStringLiteral("windowRadius")
                                                                                : QStringLiteral("dialogRadius"));
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, window_.width, window_.height), radius, radius);
    return path;
}

void WindowArt::paintControlWells(QPainter& p) const
{
    for (const PlacedControl& control : controls_) {
        if (!control.entry.visible())
            continue;
        const QRectF r = control.rect();
        const ControlKind kind = control.layout->kind;
        p.save();
        if (kind == ControlKind::Edit || kind == ControlKind::NumberSpin) {
            // A frame around the white edit box (the box paints itself) and, for
            // spins, the column of the up and down buttons at its right end.
            p.setPen(QPen(style_.color(QStringLiteral("editFrame")), 1));
            p.setBrush(style_.color(QStringLiteral("edit")));
            p.drawRect(r.adjusted(-1.5, -1.5, 0.5, 0.5));
            if (kind == ControlKind::NumberSpin)
                p.fillRect(QRectF(r.right() - option::layout::kSpinButtonWidth, r.top(),
                                  option::layout::kSpinButtonWidth, r.height()),
                           style_.color(QStringLiteral("control")));
        } else if (kind == ControlKind::List) {
            drawFigure(p, {QStringLiteral("well"), r.adjusted(-1, -1, 1, 1), false}, style_);
        } else if (kind == ControlKind::ProgressBar) {
            p.setPen(QPen(style_.color(QStringLiteral("editFrame")), 1));
            p.setBrush(style_.color(QStringLiteral("well")));
            p.drawRect(r.adjusted(-1.5, -1.5, 0.5, 0.5));
        } else if (kind == ControlKind::Area) {
            const QString look = lookup(windowStyle_.looks, control, nullptr);
            if (look == QLatin1String("well"))
                drawFigure(p, {QStringLiteral("well"), r, false}, style_);
            else if (look == QLatin1String("frame")) {
                p.setPen(QPen(style_.color(QStringLiteral("panelBorder")), 1));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(r.adjusted(-1.5, -1.5, 0.5, 0.5), 2, 2);
            }
        }
        p.restore();
    }
}

void WindowArt::paintContent(QPainter& p, const QString& background) const
{
    const QRectF whole(0, 0, window_.width, window_.height);
    if (shaped()) {
        p.save();
        p.setClipPath(shape());
        QLinearGradient fill(whole.topLeft(), whole.bottomLeft());
        fill.setColorAt(0, style_.color(QStringLiteral("windowTop")));
        fill.setColorAt(1, style_.color(QStringLiteral("windowBottom")));
        p.fillRect(whole, fill);
        p.restore();
    } else {
        p.fillRect(whole, style_.color(QStringLiteral("panel")));
    }

    if (!windowStyle_.title.isEmpty()) {
        const double height = style_.metric(QStringLiteral("titleHeight"));
        drawFittedText(p, QRectF(14, 0, window_.width - 60, height), windowStyle_.title,
                       style_.font(QStringLiteral("title")), style_.color(QStringLiteral("title")),
                       Qt::AlignLeft | Qt::AlignVCenter);
        drawFigure(p, {QStringLiteral("rule"), QRectF(10, height, window_.width - 20, 1), false}, style_);
    }

    Decorations decorations = windowStyle_.decorations;
    decorations.append(windowStyle_.backgrounds.value(background));
    for (const Figure& figure : decorations.figures)
        drawFigure(p, figure, style_);
    paintControlWells(p);
    for (const TextItem& text : decorations.texts) {
        if (text.wrap)
            drawWrappedText(p, text.rect, text.text, style_.font(text.font), style_.color(text.color), text.align);
        else
            drawFittedText(p, text.rect, text.text, style_.font(text.font), style_.color(text.color), text.align);
    }

    if (shaped()) {
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(style_.color(QStringLiteral("windowBorder")), 1));
        p.drawPath(shape().translated(0, 0));
        const double radius = style_.metric(QStringLiteral("dialogRadius"));
        p.setPen(QPen(style_.color(QStringLiteral("windowHighlight")), 1));
        p.drawLine(QPointF(radius, 1.5), QPointF(window_.width - radius, 1.5));
        p.restore();
    }
}

QImage WindowArt::finishShape(QImage image) const
{
    if (!shaped())
        return image;
    // Coverage of the shape, then hard edges: what lies less than half inside
    // becomes the outside colour, exactly; nothing inside may have that colour.
    QImage coverage = newImage(window_.width, window_.height, scale_, Qt::transparent);
    QPainter cp;
    beginPainting(cp, coverage);
    cp.fillPath(shape(), Qt::black);
    cp.end();
    const QRgb outside = outsideColor().rgba();
    const QRgb nudged = qRgba(qRed(outside) == 255 ? 254 : qRed(outside), qGreen(outside), qBlue(outside), 255);
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const QRgb* cover = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(cover[x]) < 128)
                line[x] = outside;
            else if ((line[x] | 0xff000000u) == outside)
                line[x] = nudged;
            else
                line[x] |= 0xff000000u;
        }
    }
    return image;
}

QImage WindowArt::background(const QString& name) const
{
    QImage image = newImage(window_.width, window_.height, scale_, Qt::transparent);
    QPainter p;
    beginPainting(p, image);
    paintContent(p, name);
    p.end();
    return finishShape(image);
}

QImage WindowArt::mask() const
{
    QImage image = newImage(window_.width, window_.height, scale_, Qt::white);
    QPainter p;
    beginPainting(p, image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(shape(), Qt::black);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage WindowArt::stateImage(const QString& set, ControlState state) const
{
    QImage image = background();
    image.setDevicePixelRatio(scale_);
    QPainter p;
    beginPainting(p, image);
    const ControlPainter painter(style_);
    for (const PlacedControl& control : controls_) {
        if (!option::layout::isCutFromStateImages(control.layout->kind) || !control.entry.visible())
            continue;
        painter.draw(p, controlArt(control, set), state);
    }
    p.end();
    return image;
}

}  // namespace artgen
