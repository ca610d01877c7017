#pragma once

#include "base/FixedRecord.h"
#include "pod/PodHeader.h"

#include <array>
#include <cstdint>

// The 192 header bytes that version 3 adds behind the first 96. Its data follow the header; the directory
// and the name table come last, which is why the header stores the directory offset.
struct PodExtension final {
    static constexpr uint32_t kSize = 192;
    static constexpr uint32_t kHeaderSize3 = PodHeader::kSize + kSize;

    uint32_t numberA = 0;
    uint32_t numberB = 0;
    std::array<uint8_t, 80> author{};
    std::array<uint8_t, 80> copyright{};
    uint32_t directory = 0;
    uint32_t unused1 = 0;
    uint32_t namesSize = 0;
    uint32_t unused2 = 0;
    uint32_t marker = 0;
    uint32_t unused3 = 0;

    template <typename Self, typename Visit> static constexpr void Fields(Self& e, Visit&& visit) {
        visit(e.numberA);
        visit(e.numberB);
        visit(e.author);
        visit(e.copyright);
        visit(e.directory);
        visit(e.unused1);
        visit(e.namesSize);
        visit(e.unused2);
        visit(e.marker);
        visit(e.unused3);
    }
};
static_assert(sizeof(PodExtension) == PodExtension::kSize &&
              ListedSize<PodExtension>() == PodExtension::kSize);
