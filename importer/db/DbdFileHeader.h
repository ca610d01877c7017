#pragma once

#include "base/FixedRecord.h"

#include <array>
#include <cstdint>

// The 56 bytes that start a ".DBD" table; record n follows at kSize + n * recordSize.
struct DbdFileHeader final {
    static constexpr uint32_t kSize = 56;

    std::array<uint8_t, 12> name{}; // not terminated when 12 characters long
    uint32_t time = 0;              // seconds since 1970, set whenever the header is written
    int32_t count = 0;
    int32_t recordSize = 0;
    std::array<uint8_t, 32> carried{}; // kept as read

    template <typename Self, typename Visit> static constexpr void Fields(Self& h, Visit&& visit) {
        visit(h.name);
        visit(h.time);
        visit(h.count);
        visit(h.recordSize);
        visit(h.carried);
    }
};
static_assert(sizeof(DbdFileHeader) == DbdFileHeader::kSize &&
              ListedSize<DbdFileHeader>() == DbdFileHeader::kSize);
