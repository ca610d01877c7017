#include "db/RecordStore.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr size_t kChunkRecords = 4096;

} // namespace

void RecordStore::Reset(size_t recordSize) {
    recordSize_ = recordSize;
    image_.Reset();
    block_.reset();
    chunks_.clear();
    chunkUsed_ = 0;
    slots_.clear();
    slots_.shrink_to_fit();
}

void RecordStore::Load(const FlyFile& image, size_t offset, size_t count, size_t slotSize, bool view) {
    Reset(recordSize_);
    slots_.resize(count);
    const uint8_t* from = image.data + offset;
    if (view && slotSize >= recordSize_) {
        image_ = image;
        for (size_t n = 0; n < count; ++n)
            slots_[n] = const_cast<uint8_t*>(from + n * slotSize);
        return;
    }
    block_ = std::make_unique<uint8_t[]>(std::max<size_t>(1, count * recordSize_));
    const size_t copied = std::min(slotSize, recordSize_);
    for (size_t n = 0; n < count; ++n) {
        slots_[n] = block_.get() + n * recordSize_;
        std::memcpy(slots_[n], from + n * slotSize, copied);
    }
}

bool RecordStore::IsReadOnly(const uint8_t* bytes) const {
    const std::less_equal<const uint8_t*> notAfter;
    return image_.data != nullptr && notAfter(image_.data, bytes) && !notAfter(image_.data + image_.size, bytes);
}

uint8_t* RecordStore::NewRecord() {
    if (chunks_.empty() || chunkUsed_ == kChunkRecords) {
        chunks_.push_back(std::make_unique_for_overwrite<uint8_t[]>(std::max<size_t>(1, kChunkRecords * recordSize_)));
        chunkUsed_ = 0;
    }
    return chunks_.back().get() + chunkUsed_++ * recordSize_;
}

uint8_t* RecordStore::Writable(size_t slot) {
    if (IsReadOnly(slots_[slot]))
        Replace(slot, slots_[slot]);
    return slots_[slot];
}

uint8_t* RecordStore::Append() {
    uint8_t* bytes = NewRecord();
    std::memset(bytes, 0, recordSize_);
    slots_.push_back(bytes);
    return bytes;
}

void RecordStore::Replace(size_t slot, const uint8_t* bytes) {
    if (IsReadOnly(slots_[slot]))
        slots_[slot] = NewRecord();
    std::memmove(slots_[slot], bytes, recordSize_);
}

void RecordStore::Compact() {
    std::erase(slots_, nullptr);
}

// One pass of scattered reads here spares every later pass over the records (one per index) its cache
// misses, and the image and the blocks of replaced records go.
void RecordStore::Reorder(const std::vector<int>& order) {
    auto block = std::make_unique_for_overwrite<uint8_t[]>(std::max<size_t>(1, order.size() * recordSize_));
    std::vector<uint8_t*> ordered(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        ordered[i] = block.get() + i * recordSize_;
        std::memcpy(ordered[i], slots_[static_cast<size_t>(order[i])], recordSize_);
    }
    Reset(recordSize_);
    block_ = std::move(block);
    slots_ = std::move(ordered);
}
