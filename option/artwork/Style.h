#pragma once
// The editable style description of the artwork (resources/artwork/style.json):
// palette, fonts, sizes, and per window the captions, looks and the static words
// and shapes drawn into its backgrounds.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QJsonObject>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

namespace artgen {

struct TextItem {
    QString text;
    QRectF rect;
    QString font;
    QString color;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
};

// A shape drawn into a background: "panel" (framed area), "well" (sunken area),
// "mouse" (the mouse drawing), "divider" (a line from the rectangle's top left
// to its bottom right), "badge" (a round number badge).
struct Figure {
    QString kind;
    QRectF rect;
    bool mirror = false;
};

struct Decorations {
    QList<TextItem> texts;
    QList<Figure> figures;

    void append(const Decorations& other)
    {
        texts += other.texts;
        figures += other.figures;
    }
};

// Overrides for a further set of state images.
struct StateSetStyle {
    QHash<QString, QString> captions;
    QHash<QString, QString> lookMap;  // look -> look used in this set
};

struct WindowStyle {
    QString title;                     // drawn in the title bar; none for pages
    QHash<QString, QString> captions;  // by control name, or "name#k" for its k-th use
    QHash<QString, QString> looks;     // by control name, or "name#k"
    Decorations decorations;
    QHash<QString, Decorations> backgrounds;  // further decorations of one background
    QHash<QString, StateSetStyle> sets;
    QString previewHover;
    QStringList previewPressed;
    QHash<QString, QString> previewCaptions;  // captions the window sets at run time
};

class Style {
public:
    // Reads and checks the description; nullopt with a message on failure.
    static std::optional<Style> load(const QString& path, QString& error);

    QColor color(const QString& nameOrHex) const;
    QFont font(const QString& name) const;
    double metric(const QString& name) const;
    const WindowStyle& window(const QString& art) const;
    QJsonObject picture(const QString& name) const { return pictures_.value(name); }
    QStringList languages() const { return languages_; }
    QStringList windowNames() const { return windows_.keys(); }
    QStringList fontFamilies() const;

    // Names the description refers to that it does not define; empty when sound.
    QStringList unknownReferences() const;

private:
    QHash<QString, QColor> palette_;
    QHash<QString, QFont> fonts_;
    QHash<QString, double> metrics_;
    QHash<QString, WindowStyle> windows_;
    QHash<QString, QJsonObject> pictures_;
    QStringList languages_;
    WindowStyle emptyWindow_;
};

}  // namespace artgen
