#pragma once

#include "pod/FlyFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The bytes of a table's records, all of one size. Records loaded from an image are views into it (or,
// when its records are narrower than the table's, copies in one block); only replaced and added records
// get bytes of their own, from blocks of many records, unless their bytes lie in another store's disk
// image: they are views into it then, and the image stays mapped as long as this store. A removed record
// is marked; Compact closes the gaps in the record order without moving any record's bytes.
class RecordStore final {
public:
    RecordStore() = default;
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // Drops every record and the image; later records have recordSize bytes.
    void Reset(size_t recordSize);
    // count records of slotSize bytes from offset on in image. With view, the records are views into the
    // image, which this store keeps (a disk image stays mapped; other bytes must outlive the store).
    void Load(const FlyFile& image, size_t offset, size_t count, size_t slotSize, bool view);

    size_t Count() const { return slots_.size(); }
    const std::vector<uint8_t*>& Slots() const { return slots_; }
    // Null for a removed record.
    uint8_t* At(size_t slot) const { return slots_[slot]; }
    // The record's bytes, copied first out of a read-only image.
    uint8_t* Writable(size_t slot);
    // Appends a zero-filled record.
    uint8_t* Append();
    void Replace(size_t slot, const uint8_t* bytes);
    // The record at slot, or a record appended, becomes a view of bytes when source holds them in a disk
    // image of records of this store's size; false (nothing done) otherwise.
    bool Share(size_t slot, const uint8_t* bytes, const RecordStore& source);
    bool AppendShared(const uint8_t* bytes, const RecordStore& source);
    // Room for count records in the record order, so that appending up to there copies no slots.
    void Reserve(size_t count);
    void Remove(size_t slot) { slots_[slot] = nullptr; }
    // Starts loading the record's bytes into the cache, its first and last line; numbers out of range are
    // ignored. A pass in an order other than that of the bytes waits on memory for each record otherwise.
    void Prefetch(size_t slot) const {
        if (slot < slots_.size() && slots_[slot] && recordSize_ > 0) {
            __builtin_prefetch(slots_[slot]);
            __builtin_prefetch(slots_[slot] + recordSize_ - 1);
        }
    }
    // Drops the removed records from the record order.
    void Compact();

private:
    uint8_t* NewRecord();
    bool IsReadOnly(const uint8_t* bytes) const;
    uint8_t* SharedFrom(const uint8_t* bytes, const RecordStore& source);

    size_t recordSize_ = 0;
    std::vector<FlyFile> images_; // the store's own image first, then those its records share
    std::unique_ptr<uint8_t[]> block_;
    std::vector<std::unique_ptr<uint8_t[]>> chunks_;
    size_t chunkUsed_ = 0;
    std::vector<uint8_t*> slots_;
};
