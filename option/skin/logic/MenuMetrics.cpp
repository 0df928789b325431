#include "option/skin/logic/MenuMetrics.h"

#include <algorithm>

namespace option::skin {

int menuItemHeight(bool separator, int fontPixelHeight)
{
    return separator ? kMenuSeparatorHeight : std::max(0, fontPixelHeight) + 2;
}

}  // namespace option::skin
