#pragma once
// The picture files of the skin with their sizes in pixels: what the artwork
// generator writes and the windows load. A window loads its pictures relative to
// its program's folder:
//
//   skin/<art>/background.png (and the window's further backgrounds)
//   skin/<art>/mask.png                      windows shaped by a mask picture
//   skin/<art>/[<set>]normal|hover|pressed|disabled.png   page-sized state images
//   skin/<art>/<slider>_track.png, <slider>_thumb.png     and their _disabled looks
//   skin/<art>/spin_up.png, spin_down.png    16 x 8, and their _hover, _pressed,
//                                            _disabled looks
//   skin/<art>/<name>.png, or any "dir/file" a control names (pictures, GIFs)
//   skin/common/...                          shared pictures (sharedPictures())
//
// The paths below are relative to the installation folder: a window of a
// program in a subfolder (the upgrader in "FWUpdateB") has them under it.

#include "option/layout/ControlLayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace option::layout {

struct PictureFile {
    std::string path;
    int width = 0;
    int height = 0;

    bool operator==(const PictureFile&) const = default;
};

inline constexpr std::string_view kStateImageNames[] = {"normal", "hover", "pressed", "disabled"};
inline constexpr int kSpinButtonWidth = 16;
inline constexpr int kSpinButtonHeight = 8;
inline constexpr int kLanguageCount = 17;
inline constexpr int kSmallFlagWidth = 18;
inline constexpr int kSmallFlagHeight = 11;
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr int kMenuArrowSize = 16;

// The entries of a '|'-separated picture list.
std::vector<std::string_view> splitPictureList(std::string_view list);

// A picture name of a control as a path: a bare name lies in the window's folder.
std::string picturePath(const WindowDescription& window, std::string_view name);

// Backgrounds, mask and every state image of the window.
std::vector<PictureFile> windowPictures(const WindowDescription& window);

// The pictures a control shows of its own (none for controls cut from the state
// images, or drawn by their window).
std::vector<PictureFile> controlPictures(const WindowDescription& window, const ControlLayout& control);

// Pictures used by several windows of the program in programFolder: the window
// icons, and for the configuration application (empty folder) the menu's
// submenu arrow and the language flags at the language picker's size.
std::vector<PictureFile> sharedPictures(std::string_view programFolder = {});

}  // namespace option::layout
