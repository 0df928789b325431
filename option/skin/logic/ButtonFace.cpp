#include "option/skin/logic/ButtonFace.h"

namespace option::skin {

ButtonFace chooseButtonFace(const ButtonState& s)
{
    if (s.checkable) {
        if (!s.enabled) return ButtonFace::Disabled;
        if (s.on) return ButtonFace::Pressed;
        return s.hover ? ButtonFace::Hover : ButtonFace::Normal;
    }
    if (s.on && s.enabled) return ButtonFace::Pressed;
    if (s.held) return ButtonFace::Pressed;
    if (s.hover) return ButtonFace::Hover;
    return s.enabled ? ButtonFace::Normal : ButtonFace::Disabled;
}

}  // namespace option::skin
