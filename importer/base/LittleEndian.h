#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// Little-endian integers in byte buffers: every number in the simulator's files is stored this way.

// On a little-endian processor one load: positions are read once a record by every pass of a large table.
template <typename T> T LoadLittleEndian(const uint8_t* at) {
    using Bits = std::make_unsigned_t<T>;
    Bits value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, at, sizeof value);
    } else {
        for (size_t i = 0; i < sizeof(T); ++i)
            value = static_cast<Bits>(value | static_cast<Bits>(Bits{at[i]} << (8 * i)));
    }
    return static_cast<T>(value);
}

template <typename T> void StoreLittleEndian(uint8_t* at, T value) {
    const auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (size_t i = 0; i < sizeof(T); ++i)
        at[i] = static_cast<uint8_t>(bits >> (8 * i));
}
