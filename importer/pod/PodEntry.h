#pragma once

#include "base/FixedRecord.h"

#include <cstdint>

// One 20-byte entry of an archive's directory.
struct PodEntry final {
    static constexpr uint32_t kSize = 20;

    uint32_t nameOffset = 0; // within the name table
    uint32_t size = 0;
    uint32_t dataOffset = 0; // from the archive's first byte
    uint32_t time = 0;       // seconds since 1970, local clock
    uint32_t unused = 0;

    template <typename Self, typename Visit> static constexpr void Fields(Self& e, Visit&& visit) {
        visit(e.nameOffset);
        visit(e.size);
        visit(e.dataOffset);
        visit(e.time);
        visit(e.unused);
    }
};
static_assert(sizeof(PodEntry) == PodEntry::kSize && ListedSize<PodEntry>() == PodEntry::kSize);
