#pragma once

#include <string>
#include <vector>

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
// making or removing a folder, truncating, changing permissions. Throws when tracing is not allowed.
TracedRun RunTraced(const std::string& program, const std::vector<std::string>& args,
                    const std::string& folder, int killBefore);
