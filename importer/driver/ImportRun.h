#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The whole program: banner, command line, one import per DEX file, the error report and the pauses.
// args are the arguments without the program name; returns the process exit status.
int RunNavmerger(const std::vector<std::string>& args);

// The exit status for an error code: the code itself as far as a status can hold it, and never 0, so
// that a failed run cannot pass for a successful one.
int ExitStatusForCode(uint32_t code);
