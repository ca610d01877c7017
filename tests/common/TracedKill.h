#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// The system does not let this process trace the program (seccomp, Yama's ptrace scope, a container
// without the right): the sweep cannot run here. what() says which request was refused and why.
class TracingRefused final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a traced run did: whether it was killed, how many calls that change the disk it made before it
// ended or was killed, and the exit status of a program that ended by itself (-1 otherwise).
struct TracedRun final {
    bool killed = false;
    int diskChanges = 0;
    int exitStatus = -1;
};

// Runs program in folder (outputs discarded, no terminal) under ptrace. With killBefore > 0 it kills the
// program with SIGKILL on entry to its killBefore-th call (from 1) that changes the disk, so that call is
// never made: opening a file for writing, writing to a file, flushing, renaming, linking, removing,
// making or removing a folder, truncating, changing permissions. Throws TracingRefused when tracing is not
// allowed, std::runtime_error when the program does not start.
TracedRun RunTraced(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                    int killBefore);
