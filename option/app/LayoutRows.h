#pragma once
// Finding a control's row in a window's layout table, for pages that place
// their controls by name.
#include <QRect>

#include <span>
#include <string_view>

#include "option/layout/ControlLayout.h"

namespace option::app {

// The `occurrence`-th row whose layout string starts with `name` and a comma;
// a row of no place (and a line in the debug output) when there is none.
const layout::ControlLayout& layoutRow(std::span<const layout::ControlLayout> table, std::string_view name,
                                       int occurrence = 0);
QRect layoutRect(const layout::ControlLayout& row);

}  // namespace option::app
