#pragma once
// Simple drawn flags of the 17 languages, by language index: Danish, English,
// Finnish, French, German, Italian, Japanese, Korean, Polish, Russian,
// Simplified Chinese, Spanish, Swedish, Thai, Traditional Chinese, Turkish,
// Vietnamese. Traditional Chinese shows a neutral tile with the character 中.

#include <QPainter>
#include <QRectF>

namespace artgen {

inline constexpr int kFlagCount = 17;

// Fills rect with the flag of the language; an index outside 0-16 draws English.
void drawFlag(QPainter& painter, int language, const QRectF& rect);

}  // namespace artgen
