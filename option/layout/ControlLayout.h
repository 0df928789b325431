#pragma once
// One row of a window's layout table: the control's layout string (parsed with
// parseLayoutEntry) and what kind of control the window makes of it, plus the
// description of a whole window. The windows and the artwork generator read the
// same tables, so every rectangle is written once.

#include <span>
#include <string_view>

namespace option::layout {

enum class ControlKind {
    Tab,            // push button marked "on" while its page is shown
    PushButton,     // push button; pages may mark it "on" (active slot, level)
    CheckButton,    // checkable button that toggles itself (check box, switch)
    ChoiceButton,   // one of a group of exclusive buttons; the page marks the chosen one
    Swatch,         // ColorSwatchButton: a push button with a colour square on top
    SliderTrack,    // SkinSlider: own track and thumb pictures
    NumberSpin,     // numeric edit with its up and down buttons at the right end of the rectangle
    Edit,           // BitmapEdit: dark text on white, drawn by the control itself
    List,           // list control drawn by the window (macro list, key sequence)
    Picture,        // shows one of its own pictures
    PictureButton,  // button showing one of its own pictures (language button)
    Animation,      // animated GIF player; the picture names the GIF files
    ProgressBar,    // progress bar painted by the window in its own colours
    ChildWindow,    // a child window with a layout table of its own (page, panel, level row)
    Area,           // a region the window handles itself (double-click test, spectrum)
    Text,           // where the window paints a value at run time
};

// Kinds whose four looks are cut from the window's state images.
constexpr bool isCutFromStateImages(ControlKind kind)
{
    return kind == ControlKind::Tab || kind == ControlKind::PushButton || kind == ControlKind::CheckButton
           || kind == ControlKind::ChoiceButton || kind == ControlKind::Swatch;
}

struct ControlLayout {
    std::string_view text;  // "name,x,y,width,height,status text"
    ControlKind kind;
    // Own pictures, '|'-separated. A bare name is "skin/<art>/<name>.png"; a name
    // with a '/' is a file relative to the program folder ("Gif/01.gif"). Sliders
    // name the base of "<name>_track.png" and "<name>_thumb.png"; child windows
    // name the art folders of the windows shown there, the first being the default.
    std::string_view picture = {};
    int thumbWidth = 0;  // sliders: width of the thumb; its height is the track's
};

enum class WindowShape {
    Rectangle,       // child windows: the whole rectangle
    CornerKey,       // pixels of the background's corner colour lie outside
    WhiteRange,      // white (255,255,255) pixels of the background lie outside
    WhiteRangeMask,  // as WhiteRange, taken from the separate picture "mask.png"
};

struct WindowDescription {
    std::string_view art;  // folder under skin/
    int width;
    int height;
    WindowShape shape;
    std::span<const ControlLayout> controls;
    // Further full sets of the four state images, as file name prefixes
    // ("fixed_" gives fixed_normal.png ... fixed_disabled.png).
    std::span<const std::string_view> extraStateSets = {};
    // Further backgrounds besides "background" (file names without ".png").
    std::span<const std::string_view> extraBackgrounds = {};
    // Folder of the program showing the window, within the installation folder;
    // empty for the configuration application. Its pictures lie under it.
    std::string_view programFolder = {};
};

}  // namespace option::layout
