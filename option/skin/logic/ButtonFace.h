#pragma once
// Which of its four state pictures a skinned button shows.

namespace option::skin {

enum class ButtonFace { Normal, Hover, Pressed, Disabled };

struct ButtonState {
    bool checkable = false;
    bool on = false;       // checked, or marked (active tab, current slot) on a push button
    bool hover = false;    // the mouse is over it
    bool held = false;     // the left button is held down on it
    bool enabled = true;
};

// A checkable button shows disabled, else on as pressed, else hover, else
// normal. A push button marked on and enabled shows pressed. Any other push
// button shows pressed while held, else hover, else disabled, else normal.
ButtonFace chooseButtonFace(const ButtonState& state);

}  // namespace option::skin
