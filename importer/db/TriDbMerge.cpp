// Merging: records are found through a key index, with exactly the result of a scan in record order.
#include "db/TriDb.h"

#include "base/MessageSink.h"

int TriDb::FindSlot(const TriDbRecord& probe, int keyField, size_t expectedAdditions) {
    if (keyField < 0)
        return -1;
    const TriDbTemplateEntry& field = recordTemplate_.GetField(keyField);
    if (!keyIndex_ || keyIndex_->GetKeyField() != keyField) {
        keyIndex_.emplace(keyField, field, records_.size() + expectedAdditions);
        for (size_t slot = 0; slot < records_.size(); ++slot) {
            if (records_[slot])
                keyIndex_->Add(slot, *records_[slot]);
        }
    }
    return static_cast<int>(keyIndex_->Find(probe, records_));
}

const TriDbRecord* TriDb::FindRecord(const TriDbRecord& probe, int keyField) {
    const int slot = FindSlot(probe, keyField, 0);
    return slot < 0 ? nullptr : records_[static_cast<size_t>(slot)].get();
}

void TriDb::AppendCopy(const TriDbRecord& record) {
    records_.push_back(std::make_unique<TriDbRecord>(record));
    ++liveCount_;
    if (keyIndex_)
        keyIndex_->Add(records_.size() - 1, *records_.back());
    sortOrder_.reset();
    header_->SetRecordCount(static_cast<int>(liveCount_));
}

void TriDb::AddOrReplace(const TriDbRecord& record, int keyField) {
    AddOrReplace(record, keyField, 0);
}

void TriDb::AddOrReplace(const TriDbRecord& record, int keyField, size_t expectedAdditions) {
    const int slot = FindSlot(record, keyField, expectedAdditions);
    if (slot >= 0) {
        TriDbRecord& found = *records_[static_cast<size_t>(slot)];
        MessageSink::Printf("Replacing record %s\n", found.GetFieldText(0).c_str());
        found.Assign(record);
    } else {
        MessageSink::Printf("Adding record %s\n", record.GetFieldText(0).c_str());
        AppendCopy(record);
    }
}

TriDbRecord& TriDb::AppendRecord() {
    AppendCopy(TriDbRecord(&recordTemplate_, nullptr, 0));
    return *records_.back();
}

// Leaves a hole that Compact closes; the key index skips holes.
void TriDb::RemoveSlot(size_t slot) {
    records_[slot].reset();
    --liveCount_;
    sortOrder_.reset();
}

void TriDb::Compact() {
    if (liveCount_ == records_.size())
        return;
    std::erase(records_, nullptr);
    DropKeyIndex();
}

void TriDb::RemoveRecord(const TriDbRecord* record) {
    for (size_t slot = 0; slot < records_.size(); ++slot) {
        if (records_[slot].get() == record) {
            RemoveSlot(slot);
            Compact();
            return;
        }
    }
}

void TriDb::Merge(const TriDb& dex) {
    recordTemplate_.CheckKeyField();
    try {
        for (const auto& record : dex.records_) {
            if (record->FirstByte() != '*') {
                AddOrReplace(*record, 0, dex.records_.size());
                continue;
            }
            const int slot = FindSlot(*record, 0, dex.records_.size());
            if (slot >= 0) {
                MessageSink::Printf("Deleting record %s\n", record->GetFieldText(0).c_str());
                RemoveSlot(static_cast<size_t>(slot));
            } else {
                MessageSink::Printf("Record %s already deleted.\n", record->GetFieldText(0).c_str());
            }
        }
    } catch (...) {
        Compact();
        throw;
    }
    Compact();
}
