#include "upgrader/core/StartMode.h"

namespace upgrader {

StartMode startModeOf(std::string_view commandLine)
{
    if (commandLine.empty())
        return StartMode::ConfirmThenUpdate;
    switch (commandLine.front()) {
        case '0': return StartMode::NoticeOnly;
        case '1':
        case '2': return StartMode::ConfirmThenUpdate;
        default: return StartMode::UpdateAtOnce;
    }
}

std::string commandLineText(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty())
            text += ' ';
        text += argument;
    }
    return text;
}

}  // namespace upgrader
