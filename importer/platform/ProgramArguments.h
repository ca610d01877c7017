#pragma once

#include <string>
#include <vector>

// The command line's arguments after the program's name, as UTF-8 text whatever the system's own
// encoding of them is (on Windows the characters outside the ANSI code page survive only this way).
std::vector<std::string> ProgramArguments(int argc, char** argv);
