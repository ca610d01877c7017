#include "db/SortKeys.h"

#include "base/FixedText.h"
#include "platform/PrefaultedArray.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

using Entry = SortKeys::Entry;
static_assert(sizeof(Entry) == 20);

// Eight bytes as a number that orders like the bytes themselves, and back.
uint64_t BigEndian(const char* bytes) {
    uint64_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return std::endian::native == std::endian::little ? __builtin_bswap64(value) : value;
}

void PutBigEndian(uint64_t value, char* bytes) {
    value = std::endian::native == std::endian::little ? __builtin_bswap64(value) : value;
    std::memcpy(bytes, &value, sizeof value);
}

// The entry of a record's key: its first sixteen bytes, zero past its end.
Entry EntryOf(const std::string& key, size_t record) {
    char head[16] = {};
    std::memcpy(head, key.data(), std::min(key.size(), sizeof head));
    return {BigEndian(head), BigEndian(head + 8), static_cast<int>(record)};
}

// The first sixteen key bytes that an entry holds, into text.
void PutHead(const Entry& entry, char* text) {
    PutBigEndian(entry.high, text);
    PutBigEndian(entry.low, text + 8);
}

} // namespace

SortKeys::SortKeys(size_t count, const std::function<std::string(size_t)>& keyOf) {
    ReservePrefaulted(entries_, count);
    for (size_t n = 0; n < count; ++n) {
        const std::string key = keyOf(n);
        if (key.size() > width_)
            Widen(count, key.size());
        if (!texts_.empty())
            std::memcpy(texts_.data() + n * width_, key.data(), key.size());
        entries_.push_back(EntryOf(key, n));
    }
    Sort();
}

// Rare: a key longer than any before it. The first such key brings the texts of the keys before it out of
// their entries.
void SortKeys::Widen(size_t count, size_t width) {
    std::vector<char> wider(count * width, '\0');
    for (size_t n = 0; n < entries_.size(); ++n) {
        char* text = wider.data() + n * width;
        if (texts_.empty())
            PutHead(entries_[n], text);
        else
            std::memcpy(text, texts_.data() + n * width_, width_);
    }
    texts_ = std::move(wider);
    width_ = width;
}

void SortKeys::PutKey(size_t rank, std::span<uint8_t> field) const {
    const Entry& entry = entries_[rank];
    if (!texts_.empty()) {
        const char* text = TextOf(entry.record);
        PutText(field, {text, strnlen(text, width_)}, TextCut::AtWidth);
        return;
    }
    char text[16];
    PutHead(entry, text);
    PutText(field, {text, strnlen(text, sizeof text)}, TextCut::AtWidth);
}

void SortKeys::Prefetch(size_t rank) const {
    if (!texts_.empty() && rank < entries_.size())
        __builtin_prefetch(TextOf(entries_[rank].record));
}

namespace {

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

// Entries by their first sixteen key bytes alone.
constexpr auto kHeadLess = [](const Entry& a, const Entry& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
};

// Entries of keys of up to sixteen bytes order by their bytes alone, equal ones by record number. A
// lambda, not a function, so that the sorts inline it.
constexpr auto kShortLess = [](const Entry& a, const Entry& b) {
    if (a.high != b.high || a.low != b.low)
        return kHeadLess(a, b);
    return a.record > b.record;
};

// Entries whose keys mostly come in order already (a table saved in key order, then merged with an update
// that appended records; its index on the same key) need not be sorted whole: the part in key order gets
// its runs of equal keys put in record order, the rest is sorted apart and merged in. That rest is at most
// an eighth of the entries, so the merge's buffer stays below the record order made after the sort.
template <typename KeyLess, typename Less, typename SortAll>
void SortFromOrderedPart(Entry* first, Entry* last, const KeyLess& keyLess, const Less& less, const SortAll& sortAll) {
    Entry* const ordered = std::is_sorted_until(first, last, keyLess);
    if (last - ordered > (last - first) / 8) {
        sortAll(first, last);
        return;
    }
    for (Entry* run = first; run != ordered;) {
        Entry* const end = std::find_if(run + 1, ordered, [&](const Entry& entry) { return keyLess(*run, entry); });
        std::sort(run, end, [](const Entry& a, const Entry& b) { return a.record > b.record; });
        run = end;
    }
    sortAll(ordered, last);
    std::inplace_merge(first, ordered, last, less);
}

} // namespace

// The first sixteen bytes sit in the entry, so most keys are ordered without touching their texts.
void SortKeys::Sort() {
    Entry* first = entries_.data();
    Entry* last = first + entries_.size();
    if (texts_.empty()) {
        SortFromOrderedPart(first, last, kHeadLess, kShortLess,
                            [](Entry* from, Entry* to) { SortFromByte(from, to, 0, 20, kShortLess); });
        return;
    }
    const auto tailOrder = [&](const Entry& a, const Entry& b) {
        return std::memcmp(TextOf(a.record) + 16, TextOf(b.record) + 16, width_ - 16);
    };
    const auto keyLess = [&](const Entry& a, const Entry& b) {
        return a.high != b.high || a.low != b.low ? kHeadLess(a, b) : tailOrder(a, b) < 0;
    };
    const auto less = [&](const Entry& a, const Entry& b) {
        if (a.high != b.high || a.low != b.low)
            return kHeadLess(a, b);
        const int compared = tailOrder(a, b);
        return compared != 0 ? compared < 0 : a.record > b.record;
    };
    SortFromOrderedPart(first, last, keyLess, less, [&](Entry* from, Entry* to) { SortFromByte(from, to, 0, 16, less); });
}

std::vector<int> SortKeys::Order() const {
    std::vector<int> order;
    ReservePrefaulted(order, entries_.size());
    for (const Entry& entry : entries_)
        order.push_back(entry.record);
    return order;
}

const char* SortKeys::TextOf(int record) const {
    return texts_.data() + static_cast<size_t>(record) * width_;
}
