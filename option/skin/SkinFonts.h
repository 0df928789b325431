#pragma once
// The skin's fonts by the face names the windows ask for. Heights are pixel
// heights; a width, when given, is the average character width in pixels and
// is reached by stretching the face.
//
// Faces on Linux: "Arial" is Liberation Sans (fontconfig aliases it; the
// substitution below makes it explicit). "Tohoma" (dialog titles) and
// "Eurostile" (the menus' "TM" mark) do not exist here and are served by
// DejaVu Sans, drawn bold where the windows ask for bold.

#include <QFont>
#include <QString>

namespace option::skin {

inline constexpr char kArialFace[] = "Arial";
inline constexpr char kTohomaFace[] = "Tohoma";
inline constexpr char kEurostileFace[] = "Eurostile";

inline constexpr int kNormalWeight = 400;
inline constexpr int kBoldWeight = 700;

// Registers the substitutes above with Qt; the first call does the work, later
// calls nothing. The font functions below call it themselves.
void registerFontSubstitutes();

QFont skinFont(const QString& face, int pixelHeight, int averageWidth = 0, int weight = kNormalWeight);

QFont buttonCaptionFont();    // "Arial" 14, width 5
QFont buttonTrademarkFont();  // "Arial" 8
QFont menuItemFont();         // "Arial" 14, width 5
QFont menuTrademarkFont();    // "Eurostile" 8
QFont editFont();             // "Arial" 14, width 6
QFont dialogTitleFont();      // "Tohoma" 15 bold

}  // namespace option::skin
