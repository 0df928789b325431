#include "option/layout/SkinPictures.h"

#include "option/layout/LayoutEntry.h"

namespace option::layout {
namespace {

std::string skinPath(std::string_view art, std::string_view file)
{
    std::string path = "skin/";
    path += art;
    path += '/';
    path += file;
    return path;
}

void addLooks(std::vector<PictureFile>& files, std::string_view art, const std::string& base, int width, int height)
{
    for (std::string_view state : kStateImageNames) {
        std::string name = base;
        if (state != "normal") {
            name += '_';
            name += state;
        }
        files.push_back({skinPath(art, name + ".png"), width, height});
    }
}

}  // namespace

std::vector<std::string_view> splitPictureList(std::string_view list)
{
    std::vector<std::string_view> names;
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        names.push_back(list.substr(0, bar));
        if (bar == std::string_view::npos)
            break;
        list.remove_prefix(bar + 1);
    }
    return names;
}

std::string picturePath(std::string_view art, std::string_view name)
{
    if (name.find('/') != std::string_view::npos)
        return std::string(name);
    return skinPath(art, std::string(name) + ".png");
}

std::vector<PictureFile> windowPictures(const WindowDescription& window)
{
    std::vector<PictureFile> files;
    const auto add = [&](std::string_view name) {
        files.push_back({skinPath(window.art, std::string(name) + ".png"), window.width, window.height});
    };
    add("background");
    for (std::string_view background : window.extraBackgrounds)
        add(background);
    if (window.shape == WindowShape::WhiteRangeMask)
        add("mask");
    for (std::string_view state : kStateImageNames)
        add(state);
    for (std::string_view set : window.extraStateSets)
        for (std::string_view state : kStateImageNames)
            add(std::string(set) + std::string(state));
    return files;
}

std::vector<PictureFile> controlPictures(const WindowDescription& window, const ControlLayout& control)
{
    std::vector<PictureFile> files;
    const std::optional<LayoutEntry> entry = parseLayoutEntry(control.text);
    if (!entry || !entry->visible())
        return files;
    const int width = entry->width();
    const int height = entry->height();
    switch (control.kind) {
    case ControlKind::SliderTrack: {
        const std::string base(control.picture);
        files.push_back({skinPath(window.art, base + "_track.png"), width, height});
        files.push_back({skinPath(window.art, base + "_track_disabled.png"), width, height});
        files.push_back({skinPath(window.art, base + "_thumb.png"), control.thumbWidth, height});
        files.push_back({skinPath(window.art, base + "_thumb_disabled.png"), control.thumbWidth, height});
        break;
    }
    case ControlKind::NumberSpin:
        addLooks(files, window.art, "spin_up", kSpinButtonWidth, kSpinButtonHeight);
        addLooks(files, window.art, "spin_down", kSpinButtonWidth, kSpinButtonHeight);
        break;
    case ControlKind::Picture:
    case ControlKind::PictureButton:
    case ControlKind::Animation:
        for (std::string_view name : splitPictureList(control.picture))
            files.push_back({picturePath(window.art, name), width, height});
        break;
    default:
        break;
    }
    return files;
}

std::vector<PictureFile> sharedPictures()
{
    std::vector<PictureFile> files;
    files.push_back({"skin/common/menu_arrow.png", kMenuArrowSize, kMenuArrowSize});
    files.push_back({"skin/common/icon.png", 256, 256});
    for (int size : kIconSizes)
        files.push_back({"skin/common/icon_" + std::to_string(size) + ".png", size, size});
    for (int i = 0; i < kLanguageCount; ++i)
        files.push_back({"skin/common/flag_" + std::to_string(i) + "_small.png", kSmallFlagWidth, kSmallFlagHeight});
    return files;
}

}  // namespace option::layout
