#pragma once

#include <cstdint>

// What an archive lookup returns: the 20-byte directory entry, its name in the name table and the
// archive start. All null when nothing was found.
struct PodEntryRef final {
    const uint8_t* entry = nullptr;
    const char* name = nullptr;
    const uint8_t* archive = nullptr;

    bool IsNull() const { return entry == nullptr; }
    uint32_t Size() const;
    uint32_t DataOffset() const;
    uint32_t Time() const;
    const uint8_t* Data() const { return archive + DataOffset(); }
};
