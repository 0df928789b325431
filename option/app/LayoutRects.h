#pragma once
// The rectangle of a named row of a window's layout table, for windows that
// place their controls themselves.
#include <QRect>

#include <string_view>

#include "option/layout/ControlLayout.h"
#include "option/layout/LayoutEntry.h"

namespace option::app {

// An empty rectangle when the table has no such row.
inline QRect layoutRect(const layout::WindowDescription& window, std::string_view name, int occurrence = 0)
{
    for (const layout::ControlLayout& control : window.controls) {
        if (control.text.size() > name.size() && control.text.starts_with(name) && control.text[name.size()] == ','
            && occurrence-- == 0) {
            const std::optional<layout::LayoutEntry> entry = layout::parseLayoutEntry(control.text);
            return entry ? QRect(entry->left, entry->top, entry->width(), entry->height()) : QRect();
        }
    }
    return {};
}

}  // namespace option::app
