#include "platform/TerminalKey.h"

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The controlling terminal and its current mode, or -1.
int OpenKeyTerminal(termios& mode) {
    // Output captured by another program (the installer's log) means nobody sees the prompt.
    if (::isatty(STDOUT_FILENO) == 0)
        return -1;
    const int terminal = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal >= 0 && ::tcgetattr(terminal, &mode) != 0) {
        ::close(terminal);
        return -1;
    }
    return terminal;
}

} // namespace

bool InputIsTerminal() {
    return ::isatty(STDIN_FILENO) != 0;
}

bool TerminalCanGiveKey() {
    termios mode{};
    const int terminal = OpenKeyTerminal(mode);
    if (terminal < 0)
        return false;
    ::close(terminal);
    return true;
}

bool WaitForTerminalKey() {
    termios saved{};
    const int terminal = OpenKeyTerminal(saved);
    if (terminal < 0)
        return false;
    termios raw = saved;
    // Ctrl-C counts as a key too, so the terminal is always given back in its own mode.
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(terminal, TCSANOW, &raw);
    char key = 0;
    ssize_t count = 0;
    do {
        count = ::read(terminal, &key, 1);
    } while (count < 0 && errno == EINTR);
    ::tcsetattr(terminal, TCSANOW, &saved);
    ::close(terminal);
    return count == 1;
}
