#include "db/RecordKeyIndex.h"

#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"

#include <functional>

namespace {

constexpr int32_t kEnd = -1;

uint32_t HashOf(std::string_view key) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(key));
}

} // namespace

RecordKeyIndex::RecordKeyIndex(int keyField, const TriDbTemplate& recordTemplate, size_t expected)
    : keyField_(keyField), template_(&recordTemplate), field_(recordTemplate.GetField(keyField)) {
    size_t buckets = 16;
    while (buckets < expected)
        buckets *= 2;
    head_.assign(buckets, kEnd);
    tail_.assign(buckets, kEnd);
    mask_ = buckets - 1;
    next_.reserve(expected);
    hashes_.reserve(expected);
}

// For a 'C' field the bytes up to and including the first zero byte take part, else the whole width.
size_t RecordKeyIndex::CompareLength(std::string_view bytes) const {
    if (field_.type == 'C' && !bytes.empty()) {
        const size_t zero = bytes.find('\0');
        if (zero != std::string_view::npos)
            return zero + 1;
    }
    return bytes.size();
}

std::string_view RecordKeyIndex::KeyBytes(const TriDbRecord& record, std::string& scratch) const {
    const std::string_view bytes = record.FieldBytes(field_.offset, field_.width, scratch);
    return bytes.substr(0, CompareLength(bytes));
}

void RecordKeyIndex::Add(size_t slot, const TriDbRecord& record) {
    std::string scratch;
    if (next_.size() <= slot) {
        next_.resize(slot + 1, kEnd);
        hashes_.resize(slot + 1, 0);
    }
    hashes_[slot] = HashOf(KeyBytes(record, scratch));
    if (next_.size() > head_.size())
        Grow();
    Link(slot);
}

void RecordKeyIndex::Link(size_t slot) {
    const size_t bucket = hashes_[slot] & mask_;
    next_[slot] = kEnd;
    if (tail_[bucket] == kEnd)
        head_[bucket] = static_cast<int32_t>(slot);
    else
        next_[static_cast<size_t>(tail_[bucket])] = static_cast<int32_t>(slot);
    tail_[bucket] = static_cast<int32_t>(slot);
}

// Relinks the slots in ascending order, so every chain stays in record order.
void RecordKeyIndex::Grow() {
    const size_t buckets = head_.size() * 4;
    head_.assign(buckets, kEnd);
    tail_.assign(buckets, kEnd);
    mask_ = buckets - 1;
    const size_t linked = next_.size() - 1; // the newest slot is linked by the caller
    for (size_t slot = 0; slot < linked; ++slot)
        Link(slot);
}

long RecordKeyIndex::Find(const TriDbRecord& probe, const Slots& records) {
    std::string probeScratch;
    const std::string_view key = KeyBytes(probe, probeScratch);
    const uint32_t hash = HashOf(key);
    const size_t bucket = hash & mask_;
    std::string scratch;
    int32_t previous = kEnd;
    for (int32_t slot = head_[bucket]; slot != kEnd;) {
        const auto at = static_cast<size_t>(slot);
        const int32_t following = next_[at];
        if (at >= records.size() || !records[at]) {
            // A removed record: unlink it so that later look-ups do not walk past it again.
            (previous == kEnd ? head_[bucket] : next_[static_cast<size_t>(previous)]) = following;
            if (tail_[bucket] == slot)
                tail_[bucket] = previous;
        } else {
            if (hashes_[at] == hash &&
                TriDbRecord::View(template_, records[at]).FieldBytes(field_.offset, field_.width, scratch).substr(0, key.size()) ==
                    key)
                return static_cast<long>(at);
            previous = slot;
        }
        slot = following;
    }
    return -1;
}
