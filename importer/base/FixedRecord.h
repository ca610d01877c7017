#pragma once

#include "base/ByteCursor.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// A fixed binary record is a struct whose static Fields(record, visit) visits its fields in file order;
// the field list alone gives the layout, so no offset is written down anywhere.

// The bytes the field list covers; each record's file asserts that this equals its size.
template <typename Record> constexpr size_t ListedSize() {
    Record record{};
    size_t total = 0;
    Record::Fields(record, [&total](const auto& field) { total += sizeof(field); });
    return total;
}

// The record at the start of bytes; nothing when bytes are too short.
template <typename Record> std::optional<Record> ReadRecord(std::span<const uint8_t> bytes) {
    Record record{};
    ByteReader in(bytes);
    Record::Fields(record, [&in](auto& field) { in.Read(field); });
    if (!in.Ok())
        return std::nullopt;
    return record;
}

template <typename Record> std::array<uint8_t, Record::kSize> RecordBytes(const Record& record) {
    std::array<uint8_t, Record::kSize> bytes{};
    ByteWriter out(bytes);
    Record::Fields(record, [&out](const auto& field) { out.Write(field); });
    return bytes;
}
