#pragma once

#include <string>

// The folder the fuzz targets work in: <build>/fuzz-fly/, made by scripts/fuzz.sh (a simulator folder
// whose DATABASE holds the eight templates). Found beside the running program, since a fuzz target's
// command line belongs to libFuzzer.
std::string FuzzFlyFolder();
