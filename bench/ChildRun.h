#pragma once

#include <string>
#include <vector>

// What one program run cost, measured from outside the process.
struct ChildCost final {
    int status = -1;       // exit status, -signal when killed
    double wallSeconds = 0;
    double userSeconds = 0;
    double systemSeconds = 0;
    long peakKib = 0;      // peak resident set size
};

// Runs program with args, standard output and error sent to /dev/null, and waits for it (wait4).
ChildCost RunChild(const std::string& program, const std::vector<std::string>& args);
