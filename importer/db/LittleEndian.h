#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Little-endian words and fixed-width texts inside file headers.

inline uint32_t GetLe32(const uint8_t* at) {
    return uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 | uint32_t{at[3]} << 24;
}

inline void PutLe32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The text of a zero-padded field, cut at its first zero byte.
inline std::string TextOf(const uint8_t* at, size_t width) {
    const auto* text = reinterpret_cast<const char*>(at);
    return std::string(text, strnlen(text, width));
}

// Stores text like strncpy: cut to width, zero-padded.
inline void PutText(uint8_t* at, size_t width, const std::string& text) {
    std::memset(at, 0, width);
    std::memcpy(at, text.data(), std::min(width, text.size()));
}
