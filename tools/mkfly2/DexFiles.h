#pragma once

#include <cstdint>
#include <random>
#include <string>

// Writes the update files into dex\ under the Fly2 folder fly, for tables of `records` records each.
void WriteDexFiles(const std::string& fly, uint32_t records, std::mt19937_64& random);
