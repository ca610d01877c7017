#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The key texts of a table's records, computed once and sorted by their bytes, equal keys with the higher
// record number first. Each record has a 20-byte entry, in key order, holding the first sixteen key bytes
// and the record number: keys of up to sixteen bytes live there alone, so a pass in key order reads the
// entries one after the other. Longer keys are also kept whole in one array of fixed-size texts
// (zero-padded: key texts hold no zero byte, so the padding orders like the end of a text).
class SortKeys final {
public:
    // keyOf gives the key text of each record number below count.
    SortKeys(size_t count, const std::function<std::string(size_t)>& keyOf);

    size_t Count() const { return entries_.size(); }
    // The record number at a rank of the key order.
    int RecordAt(size_t rank) const { return entries_[rank].record; }
    bool HasKey(size_t rank) const { return (entries_[rank].high >> 56) != 0; }
    // The key text at a rank, up to its first zero byte, into field: zero-padded, cut at the field's width.
    void PutKey(size_t rank, std::span<uint8_t> field) const;
    // Starts loading what PutKey reads outside the entries (a long key's text), some ranks ahead.
    void Prefetch(size_t rank) const;
    // The record numbers in key order.
    std::vector<int> Order() const;

    // Twenty bytes, not twenty-four: the entries of a table's sort are its largest array at its memory peak.
#pragma pack(push, 4)
    struct Entry {
        uint64_t high; // key bytes 0 to 7, most significant first
        uint64_t low;  // key bytes 8 to 15
        int record;
    };
#pragma pack(pop)

private:
    void Widen(size_t count, size_t width);
    void Sort();
    const char* TextOf(int record) const;

    std::vector<Entry> entries_;
    size_t width_ = 16;
    std::vector<char> texts_; // empty while no key is longer than sixteen bytes
};
