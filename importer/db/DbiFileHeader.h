#pragma once

#include "base/FixedRecord.h"

#include <array>
#include <cstdint>

// The 68 bytes that start a ".DBI" index; the entries behind it are a key of keyWidth bytes and the
// record's byte position in the table, entrySize bytes each.
struct DbiFileHeader final {
    static constexpr uint32_t kSize = 68;

    std::array<uint8_t, 4> signature{'i', 'n', 'd', 'x'};
    uint32_t unused1 = 0;
    uint32_t version = 1;
    uint32_t time = 0;
    uint32_t count = 0;
    uint32_t entrySize = 0;
    std::array<uint8_t, 32> unused2{};
    std::array<uint8_t, 4> keyName{}; // the generator's name, its first 4 characters
    uint8_t unused3 = 0;
    uint8_t keyType = 'C';
    std::array<uint8_t, 2> unused4{};
    uint32_t keyWidth = 0;

    template <typename Self, typename Visit> static constexpr void Fields(Self& h, Visit&& visit) {
        visit(h.signature);
        visit(h.unused1);
        visit(h.version);
        visit(h.time);
        visit(h.count);
        visit(h.entrySize);
        visit(h.unused2);
        visit(h.keyName);
        visit(h.unused3);
        visit(h.keyType);
        visit(h.unused4);
        visit(h.keyWidth);
    }
};
static_assert(sizeof(DbiFileHeader) == DbiFileHeader::kSize &&
              ListedSize<DbiFileHeader>() == DbiFileHeader::kSize);
