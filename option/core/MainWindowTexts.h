#pragma once
// Which text of the language table each control of the main window shows in the
// status line, by the control's place in the window's creation order (the rows of
// option/layout/MainWindowLayout.h).
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "option/core/TextLibrary.h"

namespace option::core {

enum class StatusTextRule {
    Layout,  // keeps the text of its layout string (the control has no text id)
    Table,   // the table's text of its id, the layout string's when the table has none
    Blank,   // a single blank (the language button)
};

struct ControlStatusText {
    StatusTextRule rule = StatusTextRule::Layout;
    TextId id{};
};

// Row `index` of the main window's layout table; `innerMarker` for the second,
// hidden button inside a Windows-profile marker.
ControlStatusText mainWindowStatusText(std::size_t index, bool innerMarker = false);

// The text a control shows under `rule` with `library` loaded.
std::string statusTextOf(const ControlStatusText& rule, const TextLibrary& library, std::string_view layoutText);

// The version of this software, shown with the firmware's in the window's header.
inline constexpr char kSoftwareVersionText[] = "1.07";

// `text` with each "%s" replaced by the next of `values` in turn; "%s" beyond
// the values becomes empty, other characters stay as they are.
std::string withValues(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace option::core
