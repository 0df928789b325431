#include "option/skin/logic/SkinMessages.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <string>

namespace option::skin {
namespace {

std::string foldedName(std::string_view name)
{
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

}  // namespace

MessageId registeredMessage(std::string_view name)
{
    if (name.empty()) return 0;
    static std::mutex mutex;
    static std::map<std::string, MessageId> numbers;
    const std::lock_guard lock(mutex);
    std::string key = foldedName(name);
    if (const auto it = numbers.find(key); it != numbers.end()) return it->second;
    constexpr std::size_t capacity = platform::kLastRegisteredMessage - platform::kFirstRegisteredMessage + 1;
    if (numbers.size() >= capacity) return 0;
    const MessageId number = platform::kLastRegisteredMessage - static_cast<MessageId>(numbers.size());
    numbers.emplace(std::move(key), number);
    return number;
}

MessageId editKillFocusMessage()
{
    return registeredMessage(kEditKillFocusName);
}

}  // namespace option::skin
