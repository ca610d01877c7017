#pragma once

#include <cstdint>

// Byte layout of POD archives: little-endian 32-bit words.
namespace PodFormat {

constexpr uint32_t kHeaderSize2 = 96;
constexpr uint32_t kHeaderSize3 = 288;
constexpr uint32_t kEntrySize = 20;
constexpr uint32_t kTextSize = 80; // comment, author and copyright fields

constexpr uint32_t kCountOffset = 88;
constexpr uint32_t kNumberAOffset = 96;
constexpr uint32_t kNumberBOffset = 100;
constexpr uint32_t kCommentOffset = 8;
constexpr uint32_t kAuthorOffset = 104;
constexpr uint32_t kCopyrightOffset = 184;
constexpr uint32_t kDirectoryOffset = 264;
constexpr uint32_t kNamesSizeOffset = 272;
constexpr uint32_t kMarkerOffset = 280;

// Within a directory entry.
constexpr uint32_t kEntryName = 0;
constexpr uint32_t kEntrySizeField = 4;
constexpr uint32_t kEntryData = 8;
constexpr uint32_t kEntryTime = 12;

inline uint32_t Read32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

inline void Write32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace PodFormat
