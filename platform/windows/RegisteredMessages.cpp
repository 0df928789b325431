#include "platform/windows/RegisteredMessages.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/windows/MessageWindow.h"
#include "platform/windows/WindowFiles.h"

namespace platform::msgwin {
namespace {

constexpr std::size_t kMaxTableSize = (kLastRegisteredMessage - kFirstRegisteredMessage + 1) *
                                      (kMaxMessageNameLength + 6);

char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool parseNumber(std::string_view text, MessageId& id)
{
    if (text.size() != 4) return false;
    MessageId value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        value = value * 16 + static_cast<MessageId>(digit);
    }
    id = value;
    return id >= kFirstRegisteredMessage && id <= kLastRegisteredMessage;
}

bool validName(std::string_view name)
{
    return !name.empty() && name.size() <= kMaxMessageNameLength &&
           name.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

bool readAll(int fd, std::string& text)
{
    text.clear();
    char buffer[8192];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = pread(fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        text.append(buffer, static_cast<std::size_t>(got));
        offset += got;
        if (text.size() > kMaxTableSize) return false;
    }
}

}  // namespace

bool sameMessageName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return foldCase(x) == foldCase(y); });
}

RegisteredTable parseRegisteredTable(std::string_view text)
{
    RegisteredTable table;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) break;
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        table.completeLength = start;
        MessageId id = 0;
        if (line.size() < 6 || line[4] != ' ' || !parseNumber(line.substr(0, 4), id)) continue;
        const std::string_view name = line.substr(5);
        if (!validName(name)) continue;
        const bool taken = std::any_of(table.names.begin(), table.names.end(), [&](const RegisteredName& n) {
            return n.id == id || sameMessageName(n.name, name);
        });
        if (!taken) table.names.push_back({id, std::string(name)});
    }
    return table;
}

MessageId registerMessageIn(const std::string& path, std::string_view name)
{
    if (!validName(name)) return 0;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return 0;
    MessageId result = 0;
    std::string text;
    if (flock(fd, LOCK_EX) == 0 && readAll(fd, text)) {
        const RegisteredTable table = parseRegisteredTable(text);
        MessageId highest = kFirstRegisteredMessage - 1;
        for (const RegisteredName& entry : table.names) {
            if (sameMessageName(entry.name, name)) {
                result = entry.id;
                break;
            }
            highest = std::max(highest, entry.id);
        }
        if (result == 0 && highest < kLastRegisteredMessage) {
            // A line cut short by a writer that died is dropped before appending.
            char number[8];
            std::snprintf(number, sizeof number, "%04X ", highest + 1);
            const std::string line = number + std::string(name) + "\n";
            const off_t at = static_cast<off_t>(table.completeLength);
            if (ftruncate(fd, at) == 0 &&
                pwrite(fd, line.data(), line.size(), at) == static_cast<ssize_t>(line.size()))
                result = highest + 1;
        }
    }
    close(fd);
    return result;
}

}  // namespace platform::msgwin

namespace platform {

MessageId registerWindowMessage(std::string_view name)
{
    const std::string folder = msgwin::windowsFolder();
    if (folder.empty()) return 0;
    return msgwin::registerMessageIn(folder + "registered-messages", name);
}

}  // namespace platform
