#pragma once

#include <string>
#include <vector>

// What the command line asks for; fixed for the whole run.
struct ImportOptions final {
    bool updateSizes = false;  // -S, -1: widen first-release DEX records to their template's size
    bool matchRunways = false; // -R, -1: take runway keys from the database by airport and runway
    bool keepFiles = false;    // -K: keep the loose database files after packing
    bool pauseOnError = false; // -P, -PX
    bool pauseOnExit = false;  // -PX
    bool preview = false;      // -N: merge in memory, write nothing
    std::string flyFolder;     // -F; empty: the stored setting or the prompt decides
    std::vector<std::string> dexFiles;
};
