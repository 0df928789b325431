#include "option/app/LayoutRows.h"

#include "option/layout/LayoutEntry.h"
#include "platform/system/DebugOutput.h"

namespace option::app {

const layout::ControlLayout& layoutRow(std::span<const layout::ControlLayout> table, std::string_view name,
                                       int occurrence)
{
    for (const layout::ControlLayout& row : table) {
        if (row.text.size() > name.size() && row.text.starts_with(name) && row.text[name.size()] == ',' &&
            occurrence-- == 0)
            return row;
    }
    platform::debugPrintf("LayoutRows: no row %.*s\n", static_cast<int>(name.size()), name.data());
    static constexpr layout::ControlLayout kNowhere{"", layout::ControlKind::Text};
    return kNowhere;
}

QRect layoutRect(const layout::ControlLayout& row)
{
    const std::optional<layout::LayoutEntry> entry = layout::parseLayoutEntry(row.text);
    return entry ? QRect(entry->left, entry->top, entry->width(), entry->height()) : QRect();
}

}  // namespace option::app
