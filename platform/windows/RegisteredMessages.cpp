#include "platform/windows/RegisteredMessages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::windows {
namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

bool validName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxMessageNameLength) return false;
    for (char c : name)
        if (c == '\n' || c == '\r' || c == '\0') return false;
    return true;
}

bool readWhole(int fd, std::string& out, std::size_t limit)
{
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (static_cast<std::size_t>(st.st_size) > limit) return false;
    out.assign(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return true;
}

bool appendLine(int fd, std::size_t at, std::string_view name)
{
    std::string line(name);
    line += '\n';
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = pwrite(fd, line.data() + done, line.size() - done, static_cast<off_t>(at + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

MessageId registerMessageName(const std::string& path, std::string_view name, std::size_t capacity)
{
    if (!validName(name) || capacity > kRegisteredMessageCapacity) return 0;

    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return 0;
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(fd);
            return 0;
        }
    }

    MessageId result = 0;
    std::string text;
    // Every line may be a longest name; a bigger file is not ours to trust.
    if (readWhole(fd, text, kRegisteredMessageCapacity * (kMaxMessageNameLength + 1))) {
        // A last line without its line break is a write that failed half-way; its
        // number was never handed out, so it is dropped.
        const std::size_t complete = text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1;
        std::size_t index = 0;
        std::size_t start = 0;
        bool found = false;
        while (start < complete && index < kRegisteredMessageCapacity) {
            const std::size_t end = text.find('\n', start);
            if (sameName(std::string_view(text).substr(start, end - start), name)) {
                found = true;
                break;
            }
            ++index;
            start = end + 1;
        }
        if (found) {
            result = kFirstRegisteredMessage + static_cast<MessageId>(index);
        } else if (index < capacity) {
            if (complete < text.size() && ftruncate(fd, static_cast<off_t>(complete)) != 0) index = capacity;
            if (index < capacity && appendLine(fd, complete, name))
                result = kFirstRegisteredMessage + static_cast<MessageId>(index);
        }
    }
    close(fd);  // releases the lock
    return result;
}

}  // namespace platform::windows
