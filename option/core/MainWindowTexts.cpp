#include "option/core/MainWindowTexts.h"

#include <array>

namespace option::core {
namespace {

using enum StatusTextRule;

constexpr ControlStatusText table(TextId id) { return {Table, id}; }
constexpr ControlStatusText kLayoutText{Layout, {}};

// In the rows' order: six tabs, Create, Load, Save, Edit, five slot buttons, five
// Windows-profile markers, five colour indicators, five name fields, the language
// button, Minimize, Exit, OK, Apply, Cancel.
constexpr std::array kRows = {
    table(TextId::TabMain),       table(TextId::TabButtonAssign), table(TextId::TabAdvanced),
    table(TextId::TabColor),      table(TextId::TabTrophy),       table(TextId::TabUpdate),
    table(TextId::CreateProfile), table(TextId::LoadProfile),     table(TextId::SaveProfile),
    table(TextId::EditProfile),   table(TextId::ProfileSlot1),    table(TextId::ProfileSlot2),
    table(TextId::ProfileSlot3),  table(TextId::ProfileSlot4),    table(TextId::ProfileSlot5),
    table(TextId::WindowsProfileMarker), table(TextId::WindowsProfileMarker), table(TextId::WindowsProfileMarker),
    table(TextId::WindowsProfileMarker), table(TextId::WindowsProfileMarker),
    kLayoutText, kLayoutText, kLayoutText, kLayoutText, kLayoutText,
    table(TextId::ProfileName1),  table(TextId::ProfileName2),    table(TextId::ProfileName3),
    table(TextId::ProfileName4),  table(TextId::ProfileName5),
    ControlStatusText{Blank, {}},
    table(TextId::Minimize),      table(TextId::Exit),
    table(TextId::Ok),            table(TextId::Apply),           table(TextId::Cancel),
};

constexpr std::size_t kFirstMarkerRow = 15;
constexpr std::size_t kMarkerCount = 5;

}  // namespace

ControlStatusText mainWindowStatusText(std::size_t index, bool innerMarker)
{
    if (innerMarker && index >= kFirstMarkerRow && index < kFirstMarkerRow + kMarkerCount)
        return table(TextId::WindowsProfileMarkerInner);
    return index < kRows.size() ? kRows[index] : kLayoutText;
}

std::string statusTextOf(const ControlStatusText& rule, const TextLibrary& library, std::string_view layoutText)
{
    switch (rule.rule) {
    case Blank:
        return " ";
    case Table:
        if (const std::optional<std::string_view> text = library.text(rule.id))
            return std::string(*text);
        break;
    case Layout:
        break;
    }
    return std::string(layoutText);
}

std::string withValues(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string result;
    auto value = values.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's') {
            if (value != values.end())
                result += *value++;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace option::core
