#include "ProgramRun.h"

#include "ExecProgram.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

[[noreturn]] void ExecInChild(const std::string& program, const std::vector<std::string>& args,
                              const std::string& folder, int out, int err) {
    ::setsid();
    const int nothing = ::open("/dev/null", O_RDWR);
    ::dup2(nothing, 0);
    ::dup2(out < 0 ? nothing : out, 1);
    ::dup2(err < 0 ? nothing : err, 2);
    if (::chdir(folder.c_str()) != 0)
        ::_exit(126);
    ExecProgram(program, args);
}

void Drain(int (&fds)[2], std::string& out, std::string& err) {
    pollfd polls[2] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}};
    std::string* targets[2] = {&out, &err};
    int open = 2;
    while (open > 0) {
        if (::poll(polls, 2, -1) < 0 && errno != EINTR)
            throw std::runtime_error("poll failed");
        for (int i = 0; i < 2; ++i) {
            if (polls[i].fd < 0 || polls[i].revents == 0)
                continue;
            char buffer[65536];
            const ssize_t count = ::read(polls[i].fd, buffer, sizeof buffer);
            if (count > 0) {
                targets[i]->append(buffer, static_cast<size_t>(count));
            } else if (count == 0 || errno != EINTR) {
                ::close(polls[i].fd);
                polls[i].fd = -1;
                --open;
            }
        }
    }
}

} // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder) {
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid == 0)
        ExecInChild(program, args, folder, outPipe[1], errPipe[1]);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    int reading[2] = {outPipe[0], errPipe[0]};
    ProgramResult result;
    Drain(reading, result.out, result.err);
    result.status = WaitProgram(pid);
    return result;
}

pid_t StartProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& folder) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ExecInChild(program, args, folder, -1, -1);
    return pid;
}

int WaitProgram(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1000;
    }
    if (WIFSIGNALED(status))
        return -WTERMSIG(status);
    return WEXITSTATUS(status);
}
