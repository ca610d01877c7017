#include "db/SortKeys.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// Eight key bytes from at on, as a number that orders like the bytes themselves.
uint64_t BigEndianAt(const char* text, size_t width, size_t at) {
    uint64_t value = 0;
    for (size_t i = at; i < at + 8; ++i)
        value = value << 8 | (i < width ? static_cast<uint8_t>(text[i]) : 0);
    return value;
}

} // namespace

SortKeys::SortKeys(size_t count, const std::function<std::string(size_t)>& keyOf) : count_(count) {
    texts_.assign(count_ * width_, '\0');
    lengths_.resize(count_);
    for (size_t n = 0; n < count_; ++n) {
        const std::string key = keyOf(n);
        lengths_[n] = static_cast<uint32_t>(strnlen(key.data(), key.size()));
        if (key.size() > width_)
            Widen(key.size());
        std::memcpy(texts_.data() + n * width_, key.data(), key.size());
    }
}

// Rare: a key longer than any before it.
void SortKeys::Widen(size_t width) {
    std::vector<char> wider(count_ * width, '\0');
    for (size_t n = 0; n < count_; ++n)
        std::memcpy(wider.data() + n * width, texts_.data() + n * width_, width_);
    texts_ = std::move(wider);
    width_ = width;
}

std::string_view SortKeys::Key(size_t record) const {
    return {texts_.data() + record * width_, lengths_[record]};
}

namespace {

struct Entry {
    uint64_t high;
    uint64_t low;
    int record;
};

unsigned DigitOf(const Entry& entry, int byte) {
    const uint64_t word = byte < 8 ? entry.high : entry.low;
    return static_cast<unsigned>(word >> (56 - 8 * (byte % 8))) & 0xFF;
}

// Sorts by the sixteen key bytes, stable, the last byte first; a byte that every entry shares (the
// padding of short keys, a common first letter) costs one counting pass and no move.
void RadixSort(std::vector<Entry>& entries) {
    std::vector<std::array<size_t, 256>> counts(16);
    for (const Entry& entry : entries) {
        for (int byte = 0; byte < 16; ++byte)
            ++counts[static_cast<size_t>(byte)][DigitOf(entry, byte)];
    }
    std::vector<Entry> moved(entries.size());
    for (int byte = 15; byte >= 0; --byte) {
        std::array<size_t, 256>& starts = counts[static_cast<size_t>(byte)];
        if (starts[DigitOf(entries.front(), byte)] == entries.size())
            continue;
        size_t start = 0;
        for (size_t& count : starts)
            start += std::exchange(count, start);
        for (const Entry& entry : entries)
            moved[starts[DigitOf(entry, byte)]++] = entry;
        entries.swap(moved);
    }
}

} // namespace

// The first sixteen bytes sit in the entry, so most keys are ordered without touching the texts. The
// entries start in falling record order and every sort here is stable: equal keys keep that order.
std::vector<int> SortKeys::Order() const {
    std::vector<Entry> entries(count_);
    for (size_t n = 0; n < count_; ++n) {
        const size_t record = count_ - 1 - n;
        const char* text = TextOf(static_cast<int>(record));
        entries[n] = {BigEndianAt(text, width_, 0), BigEndianAt(text, width_, 8), static_cast<int>(record)};
    }
    if (width_ > 16) {
        std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
            if (a.high != b.high)
                return a.high < b.high;
            if (a.low != b.low)
                return a.low < b.low;
            return std::memcmp(TextOf(a.record) + 16, TextOf(b.record) + 16, width_ - 16) < 0;
        });
    } else if (!entries.empty()) {
        RadixSort(entries);
    }
    std::vector<int> order;
    order.reserve(count_);
    for (const Entry& entry : entries)
        order.push_back(entry.record);
    return order;
}

const char* SortKeys::TextOf(int record) const {
    return texts_.data() + static_cast<size_t>(record) * width_;
}
