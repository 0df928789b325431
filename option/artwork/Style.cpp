#include "option/artwork/Style.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace artgen {
namespace {

QRectF readRect(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        return {};
    return QRectF(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble());
}

Qt::Alignment readAlign(const QString& text)
{
    Qt::Alignment align = Qt::AlignVCenter;
    if (text.contains(QLatin1String("top")))
        align = Qt::AlignTop;
    if (text.contains(QLatin1String("center")))
        return align | Qt::AlignHCenter;
    if (text.contains(QLatin1String("right")))
        return align | Qt::AlignRight;
    return align | Qt::AlignLeft;
}

QHash<QString, QString> readStringMap(const QJsonValue& value)
{
    QHash<QString, QString> map;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        map.insert(it.key(), it.value().toString());
    return map;
}

Decorations readDecorations(const QJsonObject& object)
{
    Decorations decorations;
    for (const QJsonValue& value : object.value(QLatin1String("texts")).toArray()) {
        const QJsonObject t = value.toObject();
        TextItem item;
        item.text = t.value(QLatin1String("text")).toString();
        item.rect = readRect(t.value(QLatin1String("at")));
        item.font = t.value(QLatin1String("font")).toString(QStringLiteral("text"));
        item.color = t.value(QLatin1String("color")).toString(QStringLiteral("label"));
        item.align = readAlign(t.value(QLatin1String("align")).toString());
        item.wrap = t.value(QLatin1String("wrap")).toBool(false);
        if (item.wrap)
            item.align = (item.align & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
        decorations.texts.append(item);
    }
    for (const QJsonValue& value : object.value(QLatin1String("figures")).toArray()) {
        const QJsonObject f = value.toObject();
        decorations.figures.append(
            {f.value(QLatin1String("figure")).toString(), readRect(f.value(QLatin1String("at"))),
             f.value(QLatin1String("mirror")).toBool(false)});
    }
    return decorations;
}

WindowStyle readWindow(const QJsonObject& object)
{
    WindowStyle window;
    window.title = object.value(QLatin1String("title")).toString();
    window.captions = readStringMap(object.value(QLatin1String("captions")));
    window.looks = readStringMap(object.value(QLatin1String("looks")));
    window.decorations = readDecorations(object);
    const QJsonObject backgrounds = object.value(QLatin1String("backgrounds")).toObject();
    for (auto it = backgrounds.begin(); it != backgrounds.end(); ++it)
        window.backgrounds.insert(it.key(), readDecorations(it.value().toObject()));
    const QJsonObject sets = object.value(QLatin1String("sets")).toObject();
    for (auto it = sets.begin(); it != sets.end(); ++it) {
        const QJsonObject set = it.value().toObject();
        window.sets.insert(it.key(), {readStringMap(set.value(QLatin1String("captions"))),
                                      readStringMap(set.value(QLatin1String("lookMap")))});
    }
    const QJsonObject preview = object.value(QLatin1String("preview")).toObject();
    window.previewHover = preview.value(QLatin1String("hover")).toString();
    for (const QJsonValue& value : preview.value(QLatin1String("pressed")).toArray())
        window.previewPressed.append(value.toString());
    window.previewCaptions = readStringMap(preview.value(QLatin1String("captions")));
    return window;
}

QFont readFont(const QJsonObject& object)
{
    QFont font(object.value(QLatin1String("family")).toString(QStringLiteral("Liberation Sans")));
    font.setPixelSize(object.value(QLatin1String("size")).toInt(13));
    font.setWeight(object.value(QLatin1String("bold")).toBool(false) ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    const double spacing = object.value(QLatin1String("letterSpacing")).toDouble(0);
    if (spacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

}  // namespace

std::optional<Style> Style::load(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        error = QStringLiteral("%1: %2 at offset %3").arg(path, parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    const QJsonObject root = document.object();

    Style style;
    const QJsonObject palette = root.value(QLatin1String("palette")).toObject();
    for (auto it = palette.begin(); it != palette.end(); ++it) {
        const QColor color = QColor::fromString(it.value().toString());
        if (!color.isValid()) {
            error = QStringLiteral("palette colour %1 is not a colour").arg(it.key());
            return std::nullopt;
        }
        style.palette_.insert(it.key(), color);
    }
    const QJsonObject fonts = root.value(QLatin1String("fonts")).toObject();
    for (auto it = fonts.begin(); it != fonts.end(); ++it)
        style.fonts_.insert(it.key(), readFont(it.value().toObject()));
    const QJsonObject metrics = root.value(QLatin1String("metrics")).toObject();
    for (auto it = metrics.begin(); it != metrics.end(); ++it)
        style.metrics_.insert(it.key(), it.value().toDouble());
    const QJsonObject windows = root.value(QLatin1String("windows")).toObject();
    for (auto it = windows.begin(); it != windows.end(); ++it)
        style.windows_.insert(it.key(), readWindow(it.value().toObject()));
    const QJsonObject pictures = root.value(QLatin1String("pictures")).toObject();
    for (auto it = pictures.begin(); it != pictures.end(); ++it)
        style.pictures_.insert(it.key(), it.value().toObject());
    for (const QJsonValue& value : root.value(QLatin1String("languages")).toArray())
        style.languages_.append(value.toString());

    const QStringList unknown = style.unknownReferences();
    if (!unknown.isEmpty()) {
        error = QStringLiteral("%1 refers to undefined names: %2").arg(path, unknown.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return style;
}

QColor Style::color(const QString& nameOrHex) const
{
    if (nameOrHex.startsWith(QLatin1Char('#')))
        return QColor::fromString(nameOrHex);
    return palette_.value(nameOrHex, QColor(Qt::magenta));
}

QFont Style::font(const QString& name) const
{
    return fonts_.value(name, QFont(QStringLiteral("Liberation Sans")));
}

double Style::metric(const QString& name) const
{
    return metrics_.value(name, 0.0);
}

const WindowStyle& Style::window(const QString& art) const
{
    const auto it = windows_.constFind(art);
    return it == windows_.constEnd() ? emptyWindow_ : *it;
}

QStringList Style::fontFamilies() const
{
    QStringList families;
    for (const QFont& font : fonts_)
        families.append(font.family());
    families.removeDuplicates();
    return families;
}

QStringList Style::unknownReferences() const
{
    // What the painters ask for by name.
    static const QStringList requiredColours = {
        QStringLiteral("accent"),       QStringLiteral("accentGlow"),    QStringLiteral("caption"),
        QStringLiteral("control"),      QStringLiteral("controlBorder"), QStringLiteral("divider"),
        QStringLiteral("edit"),         QStringLiteral("editFrame"),     QStringLiteral("field"),
        QStringLiteral("key"),          QStringLiteral("label"),         QStringLiteral("mouseBottom"),
        QStringLiteral("mouseSeam"),    QStringLiteral("mouseTop"),      QStringLiteral("muted"),
        QStringLiteral("panel"),        QStringLiteral("panelBorder"),   QStringLiteral("slot"),
        QStringLiteral("statusStrip"),  QStringLiteral("tab"),           QStringLiteral("tabBorder"),
        QStringLiteral("title"),        QStringLiteral("well"),          QStringLiteral("windowBorder"),
        QStringLiteral("windowBottom"), QStringLiteral("windowHighlight"), QStringLiteral("windowTop"),
    };
    static const QStringList requiredFonts = {
        QStringLiteral("caption"), QStringLiteral("segment"), QStringLiteral("tab"),   QStringLiteral("check"),
        QStringLiteral("row"),     QStringLiteral("heading"), QStringLiteral("label"), QStringLiteral("title"),
    };
    static const QStringList requiredMetrics = {
        QStringLiteral("controlRadius"),   QStringLiteral("dialogRadius"), QStringLiteral("windowRadius"),
        QStringLiteral("disabledOpacity"), QStringLiteral("hoverLighten"), QStringLiteral("panelRadius"),
        QStringLiteral("pressedAccent"),   QStringLiteral("titleHeight"),
    };
    QStringList unknown;
    for (const QString& name : requiredColours)
        if (!palette_.contains(name))
            unknown.append(QStringLiteral("colour ") + name);
    for (const QString& name : requiredFonts)
        if (!fonts_.contains(name))
            unknown.append(QStringLiteral("font ") + name);
    for (const QString& name : requiredMetrics)
        if (!metrics_.contains(name))
            unknown.append(QStringLiteral("metric ") + name);
    const auto checkColor = [&](const QString& name) {
        if (!name.startsWith(QLatin1Char('#')) && !palette_.contains(name))
            unknown.append(QStringLiteral("colour ") + name);
    };
    const auto checkDecorations = [&](const Decorations& decorations) {
        for (const TextItem& text : decorations.texts) {
            checkColor(text.color);
            if (!fonts_.contains(text.font))
                unknown.append(QStringLiteral("font ") + text.font);
        }
    };
    for (const WindowStyle& window : windows_) {
        checkDecorations(window.decorations);
        for (const Decorations& decorations : window.backgrounds)
            checkDecorations(decorations);
    }
    unknown.removeDuplicates();
    return unknown;
}

}  // namespace artgen
