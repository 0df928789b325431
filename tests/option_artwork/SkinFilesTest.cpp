// The skin the build drew: every picture a window loads exists with the size it
// expects, each button looks different in its four states, and shaped windows
// have their shape's key colour only outside the shape.

#include "option/layout/AllWindows.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/SkinPictures.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <string>
#include <vector>

using namespace option::layout;

namespace {

QImage load(const std::string& path)
{
    return QImage(QString::fromStdString(std::string(ZURO_DIST_DIR) + "/" + path));
}

struct GifFacts {
    bool read = false;
    int width = 0;
    int height = 0;
    int frames = 0;
};

GifFacts readGif(const std::string& path)
{
    int error = 0;
    GifFileType* gif = DGifOpenFileName((std::string(ZURO_DIST_DIR) + "/" + path).c_str(), &error);
    if (!gif)
        return {};
    GifFacts facts;
    facts.read = DGifSlurp(gif) == GIF_OK;
    facts.width = gif->SWidth;
    facts.height = gif->SHeight;
    facts.frames = gif->ImageCount;
    DGifCloseFile(gif, &error);
    return facts;
}

bool differsInside(const QImage& a, const QImage& b, const LayoutEntry& rect)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return true;
    return false;
}

// Counts the pixels of colour key and those of them reachable from the border
// through pixels of that colour.
std::pair<int, int> keyPixels(const QImage& image, QRgb key)
{
    const int w = image.width(), h = image.height();
    const auto isKey = [&](int x, int y) { return (image.pixel(x, y) | 0xff000000u) == (key | 0xff000000u); };
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    std::vector<std::pair<int, int>> stack;
    for (int x = 0; x < w; ++x)
        stack.insert(stack.end(), {{x, 0}, {x, h - 1}});
    for (int y = 0; y < h; ++y)
        stack.insert(stack.end(), {{0, y}, {w - 1, y}});
    int reached = 0;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h || seen[static_cast<std::size_t>(y * w + x)] || !isKey(x, y))
            continue;
        seen[static_cast<std::size_t>(y * w + x)] = 1;
        ++reached;
        stack.insert(stack.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    int total = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            total += isKey(x, y) ? 1 : 0;
    return {total, reached};
}

std::vector<std::string> stateSets(const WindowDescription& window)
{
    std::vector<std::string> sets = {""};
    for (std::string_view set : window.extraStateSets)
        sets.emplace_back(set);
    return sets;
}

}  // namespace

TEST(SkinFiles, EveryPictureTheWindowsLoadExistsWithItsSize)
{
    std::vector<PictureFile> files = sharedPictures();
    const std::vector<PictureFile> upgrader = sharedPictures(upgrader::kProgramFolder);
    files.insert(files.end(), upgrader.begin(), upgrader.end());
    for (const WindowDescription& window : kAllWindows) {
        const std::vector<PictureFile> own = windowPictures(window);
        files.insert(files.end(), own.begin(), own.end());
        for (const ControlLayout& control : window.controls) {
            const std::vector<PictureFile> pictures = controlPictures(window, control);
            files.insert(files.end(), pictures.begin(), pictures.end());
        }
    }
    ASSERT_GT(files.size(), 300u);
    for (const PictureFile& file : files) {
        SCOPED_TRACE(file.path);
        if (file.path.ends_with(".gif")) {
            const GifFacts gif = readGif(file.path);
            ASSERT_TRUE(gif.read);
            EXPECT_EQ(gif.width, file.width);
            EXPECT_EQ(gif.height, file.height);
            EXPECT_GT(gif.frames, 1);
            continue;
        }
        const QImage image = load(file.path);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), file.width);
        EXPECT_EQ(image.height(), file.height);
    }
}

TEST(SkinFiles, EveryVisibleButtonLooksDifferentInEachOfItsFourStates)
{
    for (const WindowDescription& window : kAllWindows) {
        for (const std::string& set : stateSets(window)) {
            std::vector<QImage> states;
            for (std::string_view state : kStateImageNames)
                states.push_back(load(picturePath(window, set + std::string(state))));
            for (const ControlLayout& control : window.controls) {
                const auto entry = parseLayoutEntry(control.text);
                ASSERT_TRUE(entry);
                if (!isCutFromStateImages(control.kind) || !entry->visible())
                    continue;
                for (std::size_t a = 0; a < states.size(); ++a)
                    for (std::size_t b = a + 1; b < states.size(); ++b)
                        EXPECT_TRUE(differsInside(states[a], states[b], *entry))
                            << window.art << "/" << set << ": " << entry->name << " looks the same in "
                            << kStateImageNames[a] << " and " << kStateImageNames[b];
            }
        }
    }
}

TEST(SkinFiles, ShapedWindowsHaveTheirKeyColourOnlyOutsideTheShape)
{
    for (const WindowDescription& window : kAllWindows) {
        if (window.shape == WindowShape::Rectangle)
            continue;
        SCOPED_TRACE(std::string(window.art));
        std::vector<QImage> shapes = {load(picturePath(window, "background"))};
        for (std::string_view background : window.extraBackgrounds)
            shapes.push_back(load(picturePath(window, background)));
        if (window.shape == WindowShape::WhiteRangeMask)
            shapes.push_back(load(picturePath(window, "mask")));
        for (const QImage& image : shapes) {
            ASSERT_FALSE(image.isNull());
            const QRgb key = window.shape == WindowShape::CornerKey ? image.pixel(0, 0) : qRgb(255, 255, 255);
            const auto [total, outside] = keyPixels(image, key);
            EXPECT_GT(outside, 0) << "the corners are not cut";
            EXPECT_EQ(total, outside) << "key-coloured pixels inside the window would be holes";
            EXPECT_LT(outside, image.width() * image.height() / 50);
        }
    }
}
