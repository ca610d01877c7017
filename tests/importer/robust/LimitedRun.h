#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Runs program with args, no file it writes allowed to grow past maxFileBytes (RLIMIT_FSIZE set in
// the child, SIGXFSZ left at its default action, which kills a program that does not ignore it).
// Returns the exit status (-signal when killed); out gets standard output.
int RunWithFileLimit(const std::string& program, const std::vector<std::string>& args, uint64_t maxFileBytes,
                     std::string& out);
