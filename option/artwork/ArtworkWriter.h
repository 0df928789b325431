#pragma once
// Writes the whole skin into the run tree: every window's backgrounds, mask and
// state images, the controls' own pictures and animations, and the shared
// pictures, checked against the file list the windows load. Optionally writes
// one preview per window, composed as the skin toolkit shows it.

#include "option/artwork/Style.h"
#include "option/artwork/WindowArt.h"
#include "option/layout/SkinPictures.h"

#include <QHash>
#include <QSet>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace artgen {

struct Animation;

class ArtworkWriter {
public:
    ArtworkWriter(const Style& style, double scale, QString distDir);

    bool writeAll(QStringList& errors);
    bool writePreviews(const QString& folder, QStringList& errors) const;

private:
    void writeWindow(const WindowArt& window, QStringList& errors);
    void writeControlPictures(const WindowArt& window, const PlacedControl& control, QStringList& errors);
    void writeShared(QStringList& errors);
    void save(const option::layout::PictureFile& file, const QImage& image, QStringList& errors);
    void saveAnimation(const option::layout::PictureFile& file, const Animation& animation, QStringList& errors);
    bool checkSize(const option::layout::PictureFile& file, const QImage& image, QStringList& errors) const;
    const WindowArt* window(const QString& art) const;
    static QString windowFile(const WindowArt& window, const QString& name);
    QSet<QString> programFolders() const;
    QImage composePreview(const WindowArt& window, const QString& set = QString()) const;

    const Style& style_;
    double scale_;
    QString dist_;
    std::vector<std::unique_ptr<WindowArt>> windows_;
    QHash<QString, QImage> written_;  // by path; the first frame of an animation
};

}  // namespace artgen
