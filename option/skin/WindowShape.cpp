#include "option/skin/WindowShape.h"

#include <QRect>

#include <vector>

#include "option/skin/logic/ShapeRuns.h"

namespace option::skin {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

template <typename Collect>
QRegion regionOfRuns(const QImage& image, Collect collect)
{
    if (image.isNull()) return {};
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const int stride = static_cast<int>(pixels.bytesPerLine() / 4);
    const auto* first = reinterpret_cast<const std::uint32_t*>(pixels.constBits());
    const PixelGrid grid{{first, static_cast<std::size_t>(pixels.sizeInBytes() / 4)}, pixels.width(),
                         pixels.height(), stride};
    const std::vector<PixelRun> runs = collect(grid);
    std::vector<QRect> rects;
    rects.reserve(runs.size());
    for (const PixelRun& run : runs)
        rects.emplace_back(run.left, run.y, run.width, 1);
    // The runs are one line high, in line order, left to right and never
    // touching: the banded form setRects takes as it is.
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

}  // namespace

QRegion regionOutsideCornerKey(const QImage& image)
{
    return regionOfRuns(image, [](const PixelGrid& grid) { return runsOutsideCornerKey(grid); });
}

QRegion regionOutsideColourRange(const QImage& image, QRgb transparent, int tolerance)
{
    return regionOfRuns(image, [&](const PixelGrid& grid) {
        return runsOutsideColourRange(grid, transparent, tolerance);
    });
}

QRegion windowShape(const QImage& image, ShapeMethod method)
{
    switch (method) {
    case ShapeMethod::CornerKey: return regionOutsideCornerKey(image);
    case ShapeMethod::WhiteRange: return regionOutsideColourRange(image, kWhite, 0);
    case ShapeMethod::Rectangle: break;
    }
    return QRegion(image.rect());
}

}  // namespace option::skin
