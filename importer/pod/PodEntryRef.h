#pragma once

#include "pod/PodEntry.h"

#include <cstdint>

// What an archive lookup returns: the 20-byte directory entry (and its fields), its name in the name table
// and the archive start. The pointers are null when nothing was found.
struct PodEntryRef final {
    const uint8_t* entry = nullptr;
    const char* name = nullptr;
    const uint8_t* archive = nullptr;
    PodEntry fields{};

    bool IsNull() const { return entry == nullptr; }
    uint32_t Size() const { return fields.size; }
    uint32_t DataOffset() const { return fields.dataOffset; }
    uint32_t Time() const { return fields.time; }
    const uint8_t* Data() const { return archive + DataOffset(); }
};
