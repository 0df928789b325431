#include "SettingsOutput.h"

#include <cstdio>

#include "option/core/ProfileEditing.h"
#include "settings/SlotCaption.h"

namespace zuroctl {
namespace {

using option::core::FieldKind;
using option::core::FieldScope;
using option::core::SettingField;

std::string buttonKey(int slot)
{
    return "MacroKeyInfo" + std::to_string(slot);
}

std::string jsonValue(const settings::SettingsBlock& block, int profile, const SettingField& field)
{
    const std::string text = option::core::fieldValueText(block, profile, field);
    if (field.kind == FieldKind::Text)
        return jsonString(text);
    if (field.kind == FieldKind::Color)
        return "[" + text + "]";
    return text;
}

}  // namespace

std::string jsonString(const std::string& text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string profileAsText(const settings::SettingsBlock& block, int profile, const platform::KeyboardLayout& layout)
{
    std::string text = "# profile " + std::to_string(profile) + "\n";
    for (const SettingField& field : option::core::settingFields())
        text += field.key + "=" + option::core::fieldValueText(block, profile, field) + "\n";
    const settings::ProfileRecord& record = block.Profiles[profile];
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
        const settings::ButtonAssignment& button = record.MacroKeyInfo[slot];
        text += buttonKey(slot) + "=" + std::to_string(button.FunctionCode) + " " +
                settings::slotCaption(button, record, layout) + "\n";
    }
    return text;
}

std::string profileAsJson(const settings::SettingsBlock& block, int profile, const platform::KeyboardLayout& layout)
{
    std::string json = "{\"profile\":" + std::to_string(profile) + ",\"settings\":{";
    bool first = true;
    for (const SettingField& field : option::core::settingFields()) {
        json += (first ? "" : ",") + jsonString(field.key) + ":" + jsonValue(block, profile, field);
        first = false;
    }
    json += "},\"buttons\":[";
    const settings::ProfileRecord& record = block.Profiles[profile];
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
        const settings::ButtonAssignment& button = record.MacroKeyInfo[slot];
        json += (slot ? "," : "") + std::string("{\"slot\":") + std::to_string(slot) +
                ",\"key\":" + jsonString(buttonKey(slot)) + ",\"code\":" + std::to_string(button.FunctionCode) +
                ",\"caption\":" + jsonString(settings::slotCaption(button, record, layout)) + "}";
    }
    return json + "]}\n";
}

}  // namespace zuroctl
