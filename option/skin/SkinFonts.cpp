#include "option/skin/SkinFonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace option::skin {
namespace {

constexpr char kArialSubstitute[] = "Liberation Sans";
constexpr char kMissingFaceSubstitute[] = "DejaVu Sans";
// QFont stretches from 1 to 4000 percent; a width far off the face's own is a
// page's mistake, not a wish for unreadable text.
constexpr int kNarrowestStretch = 50;
constexpr int kWidestStretch = 200;

}  // namespace

void registerFontSubstitutes()
{
    static const bool registered = [] {
        QFont::insertSubstitution(kArialFace, kArialSubstitute);
        QFont::insertSubstitution(kTohomaFace, kMissingFaceSubstitute);
        QFont::insertSubstitution(kEurostileFace, kMissingFaceSubstitute);
        return true;
    }();
    (void)registered;
}

QFont skinFont(const QString& face, int pixelHeight, int averageWidth, int weight)
{
    registerFontSubstitutes();
    QFont font(face);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    if (averageWidth > 0) {
        const qreal natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0) {
            const int stretch = static_cast<int>(std::lround(100.0 * averageWidth / natural));
            font.setStretch(std::clamp(stretch, kNarrowestStretch, kWidestStretch));
        }
    }
    return font;
}

QFont buttonCaptionFont() { return skinFont(kArialFace, 14, 5); }
QFont buttonTrademarkFont() { return skinFont(kArialFace, 8); }
QFont menuItemFont() { return skinFont(kArialFace, 14, 5); }
QFont menuTrademarkFont() { return skinFont(kEurostileFace, 8, 0, kBoldWeight); }
QFont editFont() { return skinFont(kArialFace, 14, 6); }
QFont dialogTitleFont() { return skinFont(kTohomaFace, 15, 0, kBoldWeight); }

}  // namespace option::skin
