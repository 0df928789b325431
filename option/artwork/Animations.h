#pragma once
// The frames of the animations: the Padtune progress bar, the lighting page's
// breathing preview, the double-click test clip and the statistics page's 13 level animations. Each is
// drawn over base, the window background under the animation.

#include "option/artwork/GifWriter.h"
#include "option/artwork/Style.h"

#include <QImage>
#include <QString>

#include <optional>

namespace artgen {

// The animation for a GIF file name ("ProgressbarAnimation.gif", "07.gif");
// nullopt for a name no animation has.
std::optional<Animation> namedAnimation(const QString& fileName, const QImage& base, const Style& style);

// The still of the double-click test area, the first look of its clip.
void drawClickTarget(QPainter& p, const QRectF& r, const Style& style);

}  // namespace artgen
