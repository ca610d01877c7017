#pragma once

#include "base/LittleEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

// Walks a byte span from an offset, reading (Byte = const uint8_t) or writing (Byte = uint8_t)
// little-endian integers and byte runs. A step that would pass the end moves nothing, returns false and
// leaves the cursor failed, so that a whole record can be read and checked once with Ok().
template <typename Byte> class ByteCursor final {
  public:
    explicit ByteCursor(std::span<Byte> bytes, size_t offset = 0) : bytes_(bytes), offset_(offset) {
        failed_ = offset > bytes.size();
    }

    template <typename T>
    requires std::is_integral_v<T>
    bool Read(T& value) {
        if (!Fits(sizeof(T)))
            return false;
        value = LoadLittleEndian<T>(bytes_.data() + offset_);
        offset_ += sizeof(T);
        return true;
    }

    template <typename T, size_t N> bool Read(std::array<T, N>& run) {
        static_assert(sizeof(T) == 1);
        if (!Fits(N))
            return false;
        std::memcpy(run.data(), bytes_.data() + offset_, N);
        offset_ += N;
        return true;
    }

    template <typename T>
    requires(std::is_integral_v<T> && !std::is_const_v<Byte>) bool Write(T value) {
        if (!Fits(sizeof(T)))
            return false;
        StoreLittleEndian<T>(bytes_.data() + offset_, value);
        offset_ += sizeof(T);
        return true;
    }

    template <typename T, size_t N>
    requires(!std::is_const_v<Byte>) bool Write(const std::array<T, N>& run) {
        static_assert(sizeof(T) == 1);
        return WriteBytes(run.data(), N);
    }

    template <typename T = Byte>
    requires(!std::is_const_v<T>) bool WriteBytes(const void* data, size_t size) {
        if (!Fits(size))
            return false;
        if (size > 0)
            std::memcpy(bytes_.data() + offset_, data, size);
        offset_ += size;
        return true;
    }

    bool Ok() const { return !failed_; }
    size_t Offset() const { return offset_; }

  private:
    bool Fits(size_t size) {
        if (failed_ || size > bytes_.size() - offset_)
            failed_ = true;
        return !failed_;
    }

    std::span<Byte> bytes_;
    size_t offset_;
    bool failed_;
};

using ByteReader = ByteCursor<const uint8_t>;
using ByteWriter = ByteCursor<uint8_t>;
