#pragma once

#include <cstdint>
#include <filesystem>

struct MkFly2Options final {
    std::filesystem::path folder;  // the simulator folder to create
    uint32_t records;              // scales every table
    uint32_t seed;                 // same seed, same bytes
};
