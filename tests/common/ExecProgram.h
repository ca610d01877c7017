#pragma once

#include <string>
#include <vector>

// In a forked child: replaces it with program and args; exit status 127 when that fails.
[[noreturn]] void ExecProgram(const std::string& program, const std::vector<std::string>& args);
