#pragma once

#include "base/FixedRecord.h"

#include <array>
#include <cstdint>

// The 40 bytes that start a ".DEX" update. Unlike a table, the record size comes before the count, and
// there is no time stamp.
struct DexFileHeader final {
    static constexpr uint32_t kSize = 40;

    std::array<uint8_t, 32> name{}; // the target table's file name, not terminated when 32 characters long
    int32_t recordSize = 0;
    int32_t count = 0;

    template <typename Self, typename Visit> static constexpr void Fields(Self& h, Visit&& visit) {
        visit(h.name);
        visit(h.recordSize);
        visit(h.count);
    }
};
static_assert(sizeof(DexFileHeader) == DexFileHeader::kSize &&
              ListedSize<DexFileHeader>() == DexFileHeader::kSize);
