#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The folder the fuzz targets work in: <build>/fuzz-fly/, made by scripts/fuzz.sh (a simulator folder
// whose DATABASE holds the eight templates). Found beside the running program, since a fuzz target's
// command line belongs to libFuzzer.
std::string FuzzFlyFolder();
// Writes the input to a file of the fuzz folder and returns its path.
std::string WriteInputFile(const std::string& name, const uint8_t* data, size_t size);
