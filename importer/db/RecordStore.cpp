#include "db/RecordStore.h"
#include "platform/PrefaultedArray.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

namespace {

constexpr size_t kChunkRecords = 4096;

} // namespace

void RecordStore::Reset(size_t recordSize) {
    recordSize_ = recordSize;
    images_.clear();
    block_.reset();
    chunks_.clear();
    chunkUsed_ = 0;
    slots_.clear();
    slots_.shrink_to_fit();
}

void RecordStore::Load(const FlyFile& image, size_t offset, size_t count, size_t slotSize, bool view) {
    Reset(recordSize_);
    ReservePrefaulted(slots_, count);
    slots_.resize(count);
    const uint8_t* from = image.data + offset;
    if (view && slotSize >= recordSize_) {
        images_.assign(1, image);
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

// The slots copied over are written at once, their pages mapped in first; the room beyond comes in as used.
void RecordStore::Reserve(size_t count) {
    if (count <= slots_.capacity())
        return;
    std::vector<uint8_t*> grown;
    grown.reserve(count);
    PrefaultForWrite(grown.data(), slots_.size() * sizeof(uint8_t*));
    grown.assign(slots_.begin(), slots_.end());
    slots_ = std::move(grown);
}

namespace {

bool Holds(const FlyFile& image, const uint8_t* bytes) {
    const std::less_equal<const uint8_t*> notAfter;
    return image.data != nullptr && notAfter(image.data, bytes) && !notAfter(image.data + image.size, bytes);
}

} // namespace

bool RecordStore::IsReadOnly(const uint8_t* bytes) const {
    return std::any_of(images_.begin(), images_.end(), [bytes](const FlyFile& image) { return Holds(image, bytes); });
}

// Null when the bytes lie in no disk image of source's, or its records differ in size.
uint8_t* RecordStore::SharedFrom(const uint8_t* bytes, const RecordStore& source) {
    if (source.recordSize_ != recordSize_)
        return nullptr;
    for (const FlyFile& image : source.images_) {
        if (!image.HoldsView() || !Holds(image, bytes))
            continue;
        if (std::none_of(images_.begin(), images_.end(), [&](const FlyFile& kept) { return kept.data == image.data; }))
            images_.push_back(image);
        return const_cast<uint8_t*>(bytes);
    }
    return nullptr;
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

bool RecordStore::Share(size_t slot, const uint8_t* bytes, const RecordStore& source) {
    uint8_t* shared = SharedFrom(bytes, source);
    if (shared)
        slots_[slot] = shared;
    return shared != nullptr;
}

bool RecordStore::AppendShared(const uint8_t* bytes, const RecordStore& source) {
    uint8_t* shared = SharedFrom(bytes, source);
    if (shared)
        slots_.push_back(shared);
    return shared != nullptr;
}

void RecordStore::Compact() {
    std::erase(slots_, nullptr);
}
