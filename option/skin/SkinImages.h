#pragma once
// The skin's pictures. Files live in the program folder, where the artwork
// generator writes them:
//   skin/<window>/background.png           a window's background (and shape)
//   skin/<window>/normal.png, hover.png,   the four page-sized state images,
//       pressed.png, disabled.png          from which buttons cut their faces
//   skin/<window>/<picture>.png            a control's own picture
//   skin/common/<picture>.png              shared pictures (menu_arrow.png, ...)

#include <QImage>
#include <QRect>
#include <QString>

#include "option/skin/logic/ButtonFace.h"

namespace option::skin {

// Four pictures of one size: a button's faces, or a window's state images.
struct StateImages {
    QImage normal;
    QImage hover;
    QImage pressed;
    QImage disabled;

    const QImage& face(ButtonFace face) const;
    // The size of the normal picture (empty when there is none).
    QSize size() const { return normal.size(); }
    // The same picture for all four states.
    static StateImages single(const QImage& image) { return {image, image, image, image}; }
};

// `relativeName` read from the program folder (or the folder set below); a
// null image, and a line in the debug output, when it is missing or unreadable.
QImage loadProgramImage(const QString& relativeName);
// The folder relative names are read from, with a trailing '/'; the program
// folder unless set (tools and tests point it elsewhere; "" restores it).
void setImageFolder(const QString& folder);
QString imageFolder();
// relativeName resolved against imageFolder(); absolute names stay as they are.
QString programFilePath(const QString& relativeName);

QImage loadWindowBackground(const QString& window);           // skin/<window>/background.png
StateImages loadWindowStateImages(const QString& window);     // skin/<window>/<state>.png
QImage loadWindowPicture(const QString& window, const QString& picture);  // skin/<window>/<picture>.png
QImage loadCommonPicture(const QString& picture);             // skin/common/<picture>.png

// The part of each image inside `rect`: a control's faces at its place. A rect
// with no area gives four null images; parts outside an image are transparent.
StateImages cutStateImages(const StateImages& pageImages, const QRect& rect);

}  // namespace option::skin
