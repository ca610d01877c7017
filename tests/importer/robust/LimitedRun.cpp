#include "LimitedRun.h"

#include "ExecProgram.h"
#include "ProgramRun.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

int RunWithFileLimit(const std::string& program, const std::vector<std::string>& args, uint64_t maxFileBytes,
                     std::string& out) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        // The default action (the process dies): the program itself must turn the limit into an error.
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{maxFileBytes, maxFileBytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(126);
        ExecProgram(program, args);
    }
    ::close(pipeFds[1]);
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(pipeFds[0], buffer, sizeof buffer);
        if (count > 0)
            out.append(buffer, static_cast<size_t>(count));
        else if (count == 0 || errno != EINTR)
            break;
    }
    ::close(pipeFds[0]);
    return WaitProgram(pid);
}
