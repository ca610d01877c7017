#include "TracedKill.h"

#include "ExecProgram.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <fcntl.h>
#include <stdexcept>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool OpensForWriting(uint64_t flags) {
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0;
}

// Only a write to a plain file changes the disk: not one to the outputs (/dev/null), to a pipe or to an
// event counter, whose number depends on timing.
bool WritesAFile(pid_t pid, uint64_t fd) {
    const std::string path = "/proc/" + std::to_string(pid) + "/fd/" + std::to_string(fd);
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ChangesTheDisk(pid_t pid, const __ptrace_syscall_info& info) {
    const auto& args = info.entry.args;
    switch (info.entry.nr) {
#ifdef SYS_open
    case SYS_open:
        return OpensForWriting(args[1]);
#endif
    case SYS_openat:
        return OpensForWriting(args[2]);
    case SYS_write:
    case SYS_pwrite64:
    case SYS_writev:
    case SYS_pwritev:
    case SYS_pwritev2:
        return WritesAFile(pid, args[0]);
#ifdef SYS_creat
    case SYS_creat:
#endif
#ifdef SYS_rename
    case SYS_rename:
#endif
#ifdef SYS_link
    case SYS_link:
#endif
#ifdef SYS_unlink
    case SYS_unlink:
#endif
#ifdef SYS_symlink
    case SYS_symlink:
#endif
#ifdef SYS_mkdir
    case SYS_mkdir:
#endif
#ifdef SYS_rmdir
    case SYS_rmdir:
#endif
#ifdef SYS_chmod
    case SYS_chmod:
#endif
    case SYS_openat2:
    case SYS_fsync:
    case SYS_fdatasync:
    case SYS_sync:
    case SYS_syncfs:
    case SYS_sync_file_range:
    case SYS_renameat:
    case SYS_renameat2:
    case SYS_linkat:
    case SYS_unlinkat:
    case SYS_symlinkat:
    case SYS_mkdirat:
    case SYS_truncate:
    case SYS_ftruncate:
    case SYS_fallocate:
    case SYS_fchmod:
    case SYS_fchmodat:
        return true;
    default:
        return false;
    }
}

constexpr int kNoFolder = 125;
constexpr int kTraceRefused = 126;

// A refused PTRACE_TRACEME sends its errno through refusal before the child ends.
[[noreturn]] void ExecTraced(const std::string& program, const std::vector<std::string>& args,
                             const std::string& folder, int refusal) {
    ::setsid();
    const int nothing = ::open("/dev/null", O_RDWR);
    ::dup2(nothing, 0);
    ::dup2(nothing, 1);
    ::dup2(nothing, 2);
    if (::chdir(folder.c_str()) != 0)
        ::_exit(kNoFolder);
    if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
        const int error = errno;
        (void)!::write(refusal, &error, sizeof error);
        ::_exit(kTraceRefused);
    }
    ExecProgram(program, args);
}

[[noreturn]] void Refused(pid_t pid, const std::string& request, int error) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    throw TracingRefused(request + " refused: " + std::strerror(error));
}

// The child stopped at its exec, ready to be traced; throws otherwise. Closes refusal.
void ExpectStoppedAtExec(pid_t pid, int refusal) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    int error = 0;
    const bool refused = !WIFSTOPPED(status) && WIFEXITED(status) && WEXITSTATUS(status) == kTraceRefused &&
                         ::read(refusal, &error, sizeof error) == sizeof error;
    ::close(refusal);
    if (WIFSTOPPED(status))
        return;
    if (refused)
        throw TracingRefused(std::string("PTRACE_TRACEME refused: ") + std::strerror(error));
    throw std::runtime_error("the program did not start under the tracer: exit status " +
                             std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status)));
}

bool IsDiskChangeEntry(pid_t pid) {
    __ptrace_syscall_info info{};
    if (::ptrace(PTRACE_GET_SYSCALL_INFO, pid, reinterpret_cast<void*>(sizeof info), &info) <= 0)
        Refused(pid, "PTRACE_GET_SYSCALL_INFO", errno);
    return info.op == PTRACE_SYSCALL_INFO_ENTRY && ChangesTheDisk(pid, info);
}

} // namespace

TracedRun RunTraced(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                    int killBefore) {
    int refusal[2];
    if (::pipe2(refusal, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid == 0)
        ExecTraced(program, args, folder, refusal[1]);
    ::close(refusal[1]);
    ExpectStoppedAtExec(pid, refusal[0]);
    if (::ptrace(PTRACE_SETOPTIONS, pid, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL)) != 0)
        Refused(pid, "PTRACE_SETOPTIONS", errno);
    TracedRun run;
    int status = 0;
    int pending = 0;
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, pid, nullptr, reinterpret_cast<void*>(static_cast<intptr_t>(pending))) != 0)
            Refused(pid, "PTRACE_SYSCALL", errno);
        pending = 0;
        if (::waitpid(pid, &status, 0) < 0 || WIFEXITED(status) || WIFSIGNALED(status)) {
            run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return run;
        }
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            pending = WSTOPSIG(status) == SIGTRAP ? 0 : WSTOPSIG(status);
            continue;
        }
        if (IsDiskChangeEntry(pid) && ++run.diskChanges == killBefore) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            run.killed = true;
            return run;
        }
    }
}
