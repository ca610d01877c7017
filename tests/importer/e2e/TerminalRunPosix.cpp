#include "ExecProgram.h"
#include "ProgramRun.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

[[noreturn]] void ExecOnTerminal(const std::string& program, const std::vector<std::string>& args,
                                 const char* terminalName, int out) {
    ::setsid();
    const int terminal = ::open(terminalName, O_RDWR);
    if (terminal < 0 || ::ioctl(terminal, TIOCSCTTY, 0) != 0)
        ::_exit(125);
    const int nothing = ::open("/dev/null", O_RDWR);
    ::dup2(nothing, 0);
    ::dup2(out < 0 ? terminal : out, 1);
    ::dup2(out < 0 ? terminal : out, 2);
    ExecProgram(program, args);
}

// Reads until wanted shows up or the output ends (a terminal whose program ended gives EIO).
void ReadUntil(int fd, const std::string& wanted, std::string& text) {
    char buffer[4096];
    while (wanted.empty() || text.find(wanted) == std::string::npos) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        text.append(buffer, static_cast<size_t>(count));
    }
}

// Whether the program waits for a key: it has put the terminal in raw mode (no line editing, no echo)
// to read one. False once it has ended, its status in status. Asks until one of the two; a program that
// does neither within a deadline is killed, so that the test fails on its status instead of hanging.
bool WaitsForKey(int master, pid_t pid, int& status) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return false;
        termios mode{};
        // On the master, tcgetattr gives the terminal's mode as the program set it.
        if (::tcgetattr(master, &mode) == 0 && (mode.c_lflag & (ICANON | ECHO)) == 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return false;
}

} // namespace

TerminalResult RunOnTerminal(const std::string& program, const std::vector<std::string>& args,
                             bool outputToTerminal, const std::string& prompt, char key) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    const std::string terminalName = ::ptsname(master);
    int outPipe[2] = {-1, -1};
    if (!outputToTerminal && ::pipe2(outPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid == 0)
        ExecOnTerminal(program, args, terminalName.c_str(), outPipe[1]);
    const int output = outputToTerminal ? master : outPipe[0];
    if (!outputToTerminal)
        ::close(outPipe[1]);

    TerminalResult run;
    ReadUntil(output, prompt, run.result.out);
    int status = 0;
    run.waited = WaitsForKey(master, pid, status);
    if (run.waited && ::write(master, &key, 1) != 1)
        throw std::runtime_error("cannot type on the terminal");
    ReadUntil(output, {}, run.result.out);
    if (run.waited)
        ::waitpid(pid, &status, 0);
    run.result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    if (!outputToTerminal)
        ::close(outPipe[0]);
    ::close(master);
    return run;
}
