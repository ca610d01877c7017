// Merging: records are found through a key index, with exactly the result of a scan in record order.
#include "db/TriDb.h"

#include "base/MessageSink.h"

#include <algorithm>
#include <cstring>

int TriDb::FindSlot(const TriDbRecord& probe, int keyField) {
    if (keyField < 0)
        return -1;
    if (!keyIndex_ || keyIndex_->GetKeyField() != keyField) {
        keyIndex_.emplace(keyField, recordTemplate_, store_.Count());
        keyIndex_->AddAll(store_.Slots());
    }
    return static_cast<int>(keyIndex_->Find(probe, store_.Slots()));
}

int TriDb::FindRecord(const TriDbRecord& probe, int keyField) {
    return FindSlot(probe, keyField);
}

// With source, the DEX table that holds record: its bytes are shared when they can be.
void TriDb::AppendCopy(const TriDbRecord& record, const RecordStore* source) {
    if (!source || !SameSize(record) || !store_.AppendShared(record.GetData(), *source))
        TriDbRecord::View(&recordTemplate_, store_.Append()).Assign(record);
    ++liveCount_;
    if (keyIndex_)
        keyIndex_->Add(store_.Count() - 1, RecordAt(store_.Count() - 1));
    sortOrder_.reset();
    header_->SetRecordCount(static_cast<int>(liveCount_));
}

bool TriDb::SameSize(const TriDbRecord& record) const {
    return record.GetTemplate()->GetRecordSize() == recordTemplate_.GetRecordSize();
}

void TriDb::Put(const TriDbRecord& record, int keyField, const RecordStore* source) {
    const int slot = FindSlot(record, keyField);
    if (slot < 0) {
        MessageSink::Print({"Adding record ", record.GetFieldText(0), "\n"});
        AppendCopy(record, source);
        return;
    }
    const auto at = static_cast<size_t>(slot);
    MessageSink::Print({"Replacing record ", RecordAt(at).GetFieldText(0), "\n"});
    // A record replaced by the same bytes keeps its own: nothing is copied, and no DEX bytes are held.
    if (SameSize(record) && std::memcmp(store_.At(at), record.GetData(), record.GetBufferSize()) == 0)
        return;
    if (!source || !SameSize(record) || !store_.Share(at, record.GetData(), *source))
        TriDbRecord::View(&recordTemplate_, store_.Writable(at)).Assign(record);
}

TriDbRecord TriDb::AppendRecord() {
    AppendCopy(TriDbRecord(&recordTemplate_, nullptr, 0), nullptr);
    return RecordAt(store_.Count() - 1);
}

// Leaves a hole that Compact closes; the key index skips holes.
void TriDb::RemoveSlot(size_t slot) {
    store_.Remove(slot);
    --liveCount_;
    sortOrder_.reset();
}

void TriDb::Compact() {
    if (liveCount_ == store_.Count())
        return;
    store_.Compact();
    DropKeyIndex();
}

void TriDb::RemoveRecord(const TriDbRecord& record) {
    for (size_t slot = 0; slot < store_.Count(); ++slot) {
        if (store_.At(slot) == record.GetData()) {
            RemoveSlot(slot);
            Compact();
            return;
        }
    }
}

// Each look-up of a large table waits on memory three times, for a cell, for its entry in the record
// order and for a record: each is loaded while the DEX records before them are merged, the entries a third
// and the records two thirds of the way after the cells. A DEX record's hash is made once, for its cell,
// and kept for its later steps (those of the first records, before the key index exists, load nothing
// useful, which costs nothing but the load).
void TriDb::PrefetchLookUps(const TriDb& dex, size_t n, LookAheadHashes& hashes) const {
    if (!keyIndex_ || keyIndex_->GetKeyField() != 0)
        return;
    constexpr size_t kStepApart = kPrefetchAhead / 2;
    const auto steps = {RecordKeyIndex::Step::Record, RecordKeyIndex::Step::Slot, RecordKeyIndex::Step::Cell};
    size_t ahead = kStepApart;
    for (const RecordKeyIndex::Step step : steps) {
        const size_t m = n + ahead;
        ahead += kStepApart;
        if (m >= dex.store_.Count())
            continue;
        uint32_t& hash = hashes[m % hashes.size()];
        if (step == RecordKeyIndex::Step::Cell)
            hash = keyIndex_->HashOfProbe(dex.RecordAt(m));
        keyIndex_->Prefetch(hash, store_.Slots(), step);
    }
}

void TriDb::Merge(const TriDb& dex) {
    Merge(dex, [] { return false; });
}

void TriDb::Merge(const TriDb& dex, const std::function<bool()>& nextPart) {
    recordTemplate_.CheckKeyField();
    // Room for every record of the DEX, its header's count when it comes in parts.
    const auto dexCount = std::max<size_t>(dex.store_.Count(), static_cast<size_t>(dex.header_->GetRecordCount()));
    store_.Reserve(store_.Count() + dexCount);
    LookAheadHashes hashes{};
    try {
        do {
            for (size_t n = 0; n < dex.store_.Count(); ++n) {
                PrefetchLookUps(dex, n, hashes);
                MergeRecord(dex.RecordAt(n), dex.store_);
            }
        } while (nextPart());
    } catch (...) {
        Compact();
        throw;
    }
    Compact();
}

void TriDb::MergeRecord(const TriDbRecord& record, const RecordStore& source) {
    if (record.FirstByte() != '*') {
        Put(record, 0, &source);
        return;
    }
    const int slot = FindSlot(record, 0);
    if (slot >= 0) {
        MessageSink::Print({"Deleting record ", record.GetFieldText(0), "\n"});
        RemoveSlot(static_cast<size_t>(slot));
    } else {
        MessageSink::Print({"Record ", record.GetFieldText(0), " already deleted.\n"});
    }
}
