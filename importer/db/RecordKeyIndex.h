#pragma once

#include "db/TriDbTemplateEntry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TriDbRecord;
class TriDbTemplate;

// Finds records of a table by the bytes of one key field, with exactly the result of a scan in record
// order: the first live record whose bytes equal the probe's over the compare length (for a 'C' field
// up to and including the probe's first zero byte, else the whole width).
// Slots are positions in the table's record order; a null entry there is a removed record. The table
// probes linearly and slots come in ascending order, so of equal keys the lowest slot is met first.
class RecordKeyIndex final {
public:
    using Slots = std::vector<uint8_t*>;

    // expected: about how many slots will be added (the table grows past it).
    RecordKeyIndex(int keyField, const TriDbTemplate& recordTemplate, size_t expected);

    int GetKeyField() const { return keyField_; }
    // Slots must be added in ascending order.
    void Add(size_t slot, const TriDbRecord& record);
    // Adds every live slot of records, in order: Add for each, with the cells loaded some slots ahead.
    void AddAll(const Slots& records);
    // The hash of a probe's key bytes, as Find computes it.
    uint32_t HashOfProbe(const TriDbRecord& probe) const;
    // What Find(probe, records) reads, one after the other, for a probe of that hash: its first cell, the
    // record-order entry of the first cell of its hash, and that record's key bytes. A pass of look-ups
    // starts loading each some probes ahead, each step once the step before it has had time to load.
    enum class Step { Cell, Slot, Record };
    void Prefetch(uint32_t hash, const Slots& records, Step step) const;
    // The matching slot, or -1.
    long Find(const TriDbRecord& probe, const Slots& records);

private:
    // One cell of the open-addressing table: the slot and the low bits of its key's hash.
    struct Cell {
        uint32_t hash;
        int32_t slot; // kEmpty, kRemoved or a slot
    };

    std::string_view KeyBytes(const TriDbRecord& record, std::string& scratch) const;
    size_t CompareLength(std::string_view bytes) const;
    void Insert(uint32_t hash, size_t slot);
    size_t Home(uint32_t hash) const;
    size_t Next(size_t at) const;
    void Place(Cell cell);
    void Grow();

    int keyField_;
    const TriDbTemplate* template_;
    TriDbTemplateEntry field_;
    std::vector<Cell> cells_;
    size_t used_ = 0;
};
