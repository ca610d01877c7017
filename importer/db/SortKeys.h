#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The key texts of a table's records, computed once into one array of fixed-size entries (zero-padded:
// key texts hold no zero byte, so the padding orders like the end of a text).
class SortKeys final {
public:
    // keyOf gives the key text of each record number below count.
    SortKeys(size_t count, const std::function<std::string(size_t)>& keyOf);

    std::string_view Key(size_t record) const;
    // The record numbers by key text, equal keys with the higher record number first.
    std::vector<int> Order() const;
    // What SortKeys(count, keyOf).Order() gives, without keeping the key texts.
    static std::vector<int> OrderOf(size_t count, const std::function<std::string(size_t)>& keyOf);

private:
    void Widen(size_t width);
    const char* TextOf(int record) const;

    size_t count_;
    size_t width_ = 16;
    std::vector<char> texts_;
    std::vector<uint8_t> lengths_; // kLongKey: count the bytes again
};
