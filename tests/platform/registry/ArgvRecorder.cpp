// A program for the shell-open tests: writes what it was started with to the
// file (a FIFO) named by ZURO_TEST_RECORD, in one write, as NUL-terminated
// fields: its pid, its session id, its working folder, then every argv entry.
// With ZURO_TEST_HOLD naming a FIFO it then stays until that FIFO's writer closes.

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Never keep the test runner's output pipes open while held.
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
    }

    int holdFd = -1;
    if (const char* hold = std::getenv("ZURO_TEST_HOLD"); hold && *hold)
        holdFd = open(hold, O_RDONLY | O_NONBLOCK);

    std::string record;
    const auto field = [&record](const std::string& text) {
        record += text;
        record += '\0';
    };
    field(std::to_string(getpid()));
    field(std::to_string(getsid(0)));
    char folder[4096];
    field(getcwd(folder, sizeof folder) ? folder : "");
    for (int i = 0; i < argc; ++i) field(argv[i]);

    const char* target = std::getenv("ZURO_TEST_RECORD");
    if (!target) return 2;
    const int fd = open(target, O_WRONLY);
    if (fd < 0) return 3;
    const bool written = write(fd, record.data(), record.size()) == static_cast<ssize_t>(record.size());
    close(fd);

    if (holdFd >= 0) {
        // Ends when the test closes its end; the limit only guards a test that died.
        pollfd wait{holdFd, POLLIN, 0};
        poll(&wait, 1, 60000);
    }
    return written ? 0 : 4;
}
