#include "db/SortKeys.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr uint8_t kLongKey = 255;

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
        lengths_[n] = static_cast<uint8_t>(std::min<size_t>(kLongKey, strnlen(key.data(), key.size())));
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
    const char* text = texts_.data() + record * width_;
    return {text, lengths_[record] == kLongKey ? strnlen(text, width_) : lengths_[record]};
}

namespace {

// Twenty bytes, not twenty-four: the entries of a table's sort are its largest array at its memory peak.
#pragma pack(push, 4)
struct Entry {
    uint64_t high;
    uint64_t low;
    int record;
};
#pragma pack(pop)
static_assert(sizeof(Entry) == 20);

// Byte `byte` of an entry's sort bytes: the sixteen key bytes, then the four of tail (the record number,
// inverted so that the higher number comes first, where keys of sixteen bytes or fewer break ties).
unsigned ByteOf(uint64_t high, uint64_t low, uint32_t tail, int byte) {
    if (byte >= 16)
        return (tail >> (8 * (19 - byte))) & 0xFF;
    const uint64_t word = byte < 8 ? high : low;
    return static_cast<unsigned>(word >> (56 - 8 * (byte % 8))) & 0xFF;
}

unsigned DigitOf(const Entry& entry, int byte) {
    return ByteOf(entry.high, entry.low, ~static_cast<uint32_t>(entry.record), byte);
}

// The first sort byte from byte on, below end, in which the entries of [first, last) differ; end if none.
int FirstDifference(const Entry* first, const Entry* last, int byte, int end) {
    uint64_t high = 0;
    uint64_t low = 0;
    uint32_t tail = 0;
    for (const Entry* e = first; e != last; ++e) {
        high |= e->high ^ first->high;
        low |= e->low ^ first->low;
        tail |= static_cast<uint32_t>(e->record ^ first->record);
    }
    while (byte < end && ByteOf(high, low, tail, byte) == 0)
        ++byte;
    return byte;
}

// Sorts [first, last), whose entries share their sort bytes before byte, in place: the entries are dealt
// into one run per value of that byte (each swap puts one entry where its run ends), then each run is
// sorted on the next byte; bytes that all share cost one count and one pass that finds the next byte
// in which they differ, short runs and runs past byte end go to less. End is 20 for keys of sixteen
// bytes or fewer, whose record numbers then sort as bytes too, else 16. No second array: the index
// rebuild of a large table runs at its memory peak.
template <typename Less>
void SortFromByte(Entry* first, Entry* last, int byte, int end, const Less& less) {
    constexpr ptrdiff_t kShortRun = 64;
    while (byte < end && last - first > kShortRun) {
        std::array<size_t, 256> counts{};
        for (const Entry* e = first; e != last; ++e)
            ++counts[DigitOf(*e, byte)];
        if (counts[DigitOf(*first, byte)] == static_cast<size_t>(last - first)) {
            byte = FirstDifference(first, last, byte + 1, end);
            continue;
        }
        std::array<Entry*, 256> next{};
        std::array<Entry*, 256> ends{};
        Entry* at = first;
        for (size_t digit = 0; digit < 256; ++digit) {
            next[digit] = at;
            at += counts[digit];
            ends[digit] = at;
        }
        for (size_t digit = 0; digit < 256; ++digit) {
            while (next[digit] != ends[digit]) {
                const unsigned home = DigitOf(*next[digit], byte);
                if (home == digit)
                    ++next[digit];
                else
                    std::swap(*next[digit], *next[home]++);
            }
        }
        Entry* start = first;
        for (size_t digit = 0; digit < 256; ++digit) {
            if (counts[digit] > 1)
                SortFromByte(start, start + counts[digit], byte + 1, end, less);
            start += counts[digit];
        }
        return;
    }
    std::sort(first, last, less);
}

std::vector<int> RecordsOf(const std::vector<Entry>& entries) {
    std::vector<int> order;
    order.reserve(entries.size());
    for (const Entry& entry : entries)
        order.push_back(entry.record);
    return order;
}

// Entries of keys of up to sixteen bytes order by their bytes alone, equal ones by record number. A
// lambda, not a function, so that the sorts inline it.
constexpr auto kShortLess = [](const Entry& a, const Entry& b) {
    if (a.high != b.high)
        return a.high < b.high;
    if (a.low != b.low)
        return a.low < b.low;
    return a.record > b.record;
};

} // namespace

// The first sixteen bytes sit in the entry, so most keys are ordered without touching their texts.
std::vector<int> SortKeys::Order() const {
    std::vector<Entry> entries(count_);
    for (size_t n = 0; n < count_; ++n) {
        const char* text = TextOf(static_cast<int>(n));
        entries[n] = {BigEndianAt(text, width_, 0), BigEndianAt(text, width_, 8), static_cast<int>(n)};
    }
    if (width_ <= 16) {
        SortFromByte(entries.data(), entries.data() + entries.size(), 0, 20, kShortLess);
        return RecordsOf(entries);
    }
    const auto less = [&](const Entry& a, const Entry& b) {
        if (a.high != b.high || a.low != b.low)
            return kShortLess(a, b);
        const int compared = std::memcmp(TextOf(a.record) + 16, TextOf(b.record) + 16, width_ - 16);
        return compared != 0 ? compared < 0 : a.record > b.record;
    };
    SortFromByte(entries.data(), entries.data() + entries.size(), 0, 16, less);
    return RecordsOf(entries);
}

// Without a key longer than sixteen bytes, the entries are the only copy of the keys.
std::vector<int> SortKeys::OrderOf(size_t count, const std::function<std::string(size_t)>& keyOf) {
    std::vector<Entry> entries(count);
    for (size_t n = 0; n < count; ++n) {
        const std::string key = keyOf(n);
        if (key.size() > 16)
            return SortKeys(count, keyOf).Order();
        entries[n] = {BigEndianAt(key.data(), key.size(), 0), BigEndianAt(key.data(), key.size(), 8), static_cast<int>(n)};
    }
    SortFromByte(entries.data(), entries.data() + entries.size(), 0, 20, kShortLess);
    return RecordsOf(entries);
}

const char* SortKeys::TextOf(int record) const {
    return texts_.data() + static_cast<size_t>(record) * width_;
}
