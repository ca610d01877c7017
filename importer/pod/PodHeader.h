#pragma once

#include "base/FixedRecord.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>

// The first 96 bytes of a POD archive, the whole header of version 2.
struct PodHeader final {
    static constexpr uint32_t kSize = 96;

    std::array<uint8_t, 4> signature{}; // "POD2" or "POD3", no terminator
    uint32_t unused1 = 0;
    std::array<uint8_t, 80> comment{};
    uint32_t count = 0;
    uint32_t unused2 = 0;

    template <typename Self, typename Visit> static constexpr void Fields(Self& h, Visit&& visit) {
        visit(h.signature);
        visit(h.unused1);
        visit(h.comment);
        visit(h.count);
        visit(h.unused2);
    }

    // 2 or 3 by the signature at the start of bytes; 0 for any other, or fewer than 4 bytes.
    static uint32_t VersionOf(std::span<const uint8_t> bytes) {
        if (bytes.size() >= 4 && std::memcmp(bytes.data(), "POD2", 4) == 0)
            return 2;
        return bytes.size() >= 4 && std::memcmp(bytes.data(), "POD3", 4) == 0 ? 3 : 0;
    }
};
static_assert(sizeof(PodHeader) == PodHeader::kSize && ListedSize<PodHeader>() == PodHeader::kSize);
