#pragma once

#include <string>
#include <vector>

// Runs program (outputs discarded, no terminal) under ptrace and kills it with SIGKILL just before its
// n-th call (from 1) of any system call that renames or removes a file. True when it was killed, false
// when it ended before making that many such calls. Throws when the system does not allow tracing.
bool KillBeforeNthFileChange(const std::string& program, const std::vector<std::string>& args,
                             const std::string& folder, int n);
