#include "TracedKill.h"

#include "ProgramRun.h"

#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool ChangesAName(uint64_t call) {
    switch (call) {
    case SYS_rename:
    case SYS_renameat:
    case SYS_renameat2:
    case SYS_unlink:
    case SYS_unlinkat:
    case SYS_link:
    case SYS_linkat:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void ExecTraced(const std::string& program, const std::vector<std::string>& args,
                             const std::string& folder) {
    ::setsid();
    const int nothing = ::open("/dev/null", O_RDWR);
    ::dup2(nothing, 0);
    ::dup2(nothing, 1);
    ::dup2(nothing, 2);
    if (::chdir(folder.c_str()) != 0 || ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
        ::_exit(126);
    ExecProgram(program, args);
}

bool IsSyscallEntry(pid_t pid, uint64_t& call) {
    __ptrace_syscall_info info{};
    if (::ptrace(PTRACE_GET_SYSCALL_INFO, pid, reinterpret_cast<void*>(sizeof info), &info) <= 0)
        return false;
    call = info.entry.nr;
    return info.op == PTRACE_SYSCALL_INFO_ENTRY;
}

} // namespace

bool KillBeforeNthFileChange(const std::string& program, const std::vector<std::string>& args,
                             const std::string& folder, int n) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ExecTraced(program, args, folder);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFSTOPPED(status))
        throw std::runtime_error("the program could not be traced");
    ::ptrace(PTRACE_SETOPTIONS, pid, nullptr,
             reinterpret_cast<void*>(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL));
    int seen = 0;
    int pending = 0;
    for (;;) {
        ::ptrace(PTRACE_SYSCALL, pid, nullptr, reinterpret_cast<void*>(static_cast<intptr_t>(pending)));
        pending = 0;
        if (::waitpid(pid, &status, 0) < 0 || WIFEXITED(status) || WIFSIGNALED(status))
            return false;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            pending = WSTOPSIG(status) == SIGTRAP ? 0 : WSTOPSIG(status);
            continue;
        }
        uint64_t call = 0;
        if (IsSyscallEntry(pid, call) && ChangesAName(call) && ++seen == n) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return true;
        }
    }
}
