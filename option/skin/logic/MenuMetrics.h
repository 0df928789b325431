#pragma once
// Sizes of a skinned popup menu's items.

namespace option::skin {

inline constexpr int kMenuSeparatorHeight = 5;
inline constexpr int kMenuTextLeft = 2;         // text starts this far from the item's left
inline constexpr int kMenuArrowFromRight = 21;  // the submenu arrow's left edge, from the right
inline constexpr int kMenuFrameWidth = 3;       // one accent line, then two black ones

// A separator is kMenuSeparatorHeight high; any other item the font's pixel
// height plus 2.
int menuItemHeight(bool separator, int fontPixelHeight);

}  // namespace option::skin
