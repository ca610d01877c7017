#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// What a finished program left: its exit status (-signal when killed) and both output streams.
struct ProgramResult final {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs program with args in folder and waits. The child runs in a session of its own, without a
// controlling terminal, like an unattended run.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder = ".");

// Starts program the same way with both outputs discarded; returns its process id.
pid_t StartProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& folder = ".");
// Waits for a started program; its exit status, or -signal when it was killed.
int WaitProgram(pid_t pid);

// The lines of text, each with its line end.
std::vector<std::string> Lines(const std::string& text);

// Runs program with a pseudo-terminal as its controlling terminal; its standard output and error go
// to that terminal too, or to a pipe when outputToTerminal is false. Once the output shows prompt (or
// ends), waits until the program either ends or waits for a key (has put the terminal in raw mode), and
// in that case types key on the terminal (waited). A program that does neither within a minute is killed.
// result.out is all output in the order it came, with the terminal's line ends.
struct TerminalResult final {
    ProgramResult result;
    bool waited = false;
};
TerminalResult RunOnTerminal(const std::string& program, const std::vector<std::string>& args,
                             bool outputToTerminal, const std::string& prompt, char key);

// Whether text matches a shell wildcard pattern ('*' also spans line ends).
bool Matches(const std::string& text, const std::string& pattern);
