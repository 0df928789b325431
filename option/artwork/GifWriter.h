#pragma once
// Writes an animated GIF (looping, one shared colour table) with giflib.

#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

struct Animation {
    QList<QImage> frames;  // all of one size, opaque
    QList<int> delays;     // per frame, in hundredths of a second
};

// false with a message when the file cannot be written.
bool writeGif(const QString& path, const Animation& animation, QString& error);

}  // namespace artgen
