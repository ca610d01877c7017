#include "ProgramRun.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/wait.h>
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
    ::dup2(out, 1);
    ::dup2(out, 2);
    ExecProgram(program, args);
}

std::string ReadUntil(int fd, const std::string& wanted) {
    std::string text;
    char buffer[4096];
    while (text.find(wanted) == std::string::npos) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        text.append(buffer, static_cast<size_t>(count));
    }
    return text;
}

std::string ReadAvailable(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    std::string text;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(count));
    return text;
}

} // namespace

TerminalResult RunOnTerminal(const std::string& program, const std::vector<std::string>& args,
                             const std::string& prompt, char key) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    const std::string terminalName = ::ptsname(master);
    int outPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid == 0)
        ExecOnTerminal(program, args, terminalName.c_str(), outPipe[1]);
    ::close(outPipe[1]);

    TerminalResult run;
    run.result.out = ReadUntil(outPipe[0], prompt);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int status = 0;
    run.waited = ::waitpid(pid, &status, WNOHANG) == 0;
    if (run.waited) {
        if (::write(master, &key, 1) != 1)
            throw std::runtime_error("cannot type on the terminal");
        run.result.out += ReadUntil(outPipe[0], std::string(1, '\0'));
        ::waitpid(pid, &status, 0);
    }
    run.result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    run.result.err = ReadAvailable(master);
    ::close(outPipe[0]);
    ::close(master);
    return run;
}
