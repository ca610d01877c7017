#pragma once

#include <cstdio>
#include <optional>
#include <string>

// The simulator's folder chosen by the user: through the folder dialog where a desktop shows one (see
// FolderDialog.h), else on the console. The console prompt asks on the terminal for a folder and
// accepts only one that holds FLY2.EXE (HoldsFly2Exe). When Fly II is installed in several Wine prefixes
// they are listed as numbered choices and typing a number picks one. Nothing when there is no terminal on
// standard input, at end of input, or when the user answers with an empty line before choosing a folder.
std::optional<std::string> PromptFlyFolder();

// Test seam: read the answers from in and write the questions to out as if they were a terminal;
// nullptrs go back to standard input and standard error.
void SetPromptStreams(FILE* in, FILE* out);
