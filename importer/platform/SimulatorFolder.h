#pragma once

#include <string>

// True when folder holds a file named FLY2.EXE in any case: the mark of the simulator's folder.
bool HoldsFly2Exe(const std::string& folder);
