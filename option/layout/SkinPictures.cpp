#include "option/layout/SkinPictures.h"

#include "option/layout/LayoutEntry.h"

namespace option::layout {
namespace {

std::string inProgramFolder(std::string_view programFolder, std::string path)
{
    if (programFolder.empty())
        return path;
    return std::string(programFolder) + '/' + path;
}

std::string skinPath(const WindowDescription& window, std::string_view file)
{
    return inProgramFolder(window.programFolder, "skin/" + std::string(window.art) + '/' + std::string(file));
}

void addLooks(std::vector<PictureFile>& files, const WindowDescription& window, const std::string& base, int width,
              int height)
{
    for (std::string_view state : kStateImageNames) {
        std::string name = base;
        if (state != "normal") {
            name += '_';
            name += state;
        }
        files.push_back({skinPath(window, name + ".png"), width, height});
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

std::string picturePath(const WindowDescription& window, std::string_view name)
{
    if (name.find('/') != std::string_view::npos)
        return inProgramFolder(window.programFolder, std::string(name));
    return skinPath(window, std::string(name) + ".png");
}

std::vector<PictureFile> windowPictures(const WindowDescription& window)
{
    std::vector<PictureFile> files;
    const auto add = [&](std::string_view name) {
        files.push_back({skinPath(window, std::string(name) + ".png"), window.width, window.height});
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
        files.push_back({skinPath(window, base + "_track.png"), width, height});
        files.push_back({skinPath(window, base + "_track_disabled.png"), width, height});
        files.push_back({skinPath(window, base + "_thumb.png"), control.thumbWidth, height});
        files.push_back({skinPath(window, base + "_thumb_disabled.png"), control.thumbWidth, height});
        break;
    }
    case ControlKind::NumberSpin:
        addLooks(files, window, "spin_up", kSpinButtonWidth, kSpinButtonHeight);
        addLooks(files, window, "spin_down", kSpinButtonWidth, kSpinButtonHeight);
        break;
    case ControlKind::Picture:
    case ControlKind::PictureButton:
    case ControlKind::Animation:
        for (std::string_view name : splitPictureList(control.picture))
            files.push_back({picturePath(window, name), width, height});
        break;
    default:
        break;
    }
    return files;
}

std::vector<PictureFile> sharedPictures(std::string_view programFolder)
{
    std::vector<PictureFile> files;
    const auto add = [&](const std::string& name, int width, int height) {
        files.push_back({inProgramFolder(programFolder, "skin/common/" + name + ".png"), width, height});
    };
    add("icon", 256, 256);
    for (int size : kIconSizes)
        add("icon_" + std::to_string(size), size, size);
    if (!programFolder.empty())
        return files;
    add("menu_arrow", kMenuArrowSize, kMenuArrowSize);
    for (int i = 0; i < kLanguageCount; ++i)
        add("flag_" + std::to_string(i) + "_small", kSmallFlagWidth, kSmallFlagHeight);
    return files;
}

}  // namespace option::layout
