// Sorting by key and writing index files.
#include "db/TriDb.h"

#include "base/ByteCursor.h"
#include "base/ErrorCodes.h"
#include "base/FixedText.h"
#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "db/DbClock.h"
#include "db/DbFileWriter.h"
#include "db/DbiFileHeader.h"
#include "db/IndexGen.h"
#include "db/SortKeys.h"
#include "db/TriDbdHeader.h"
#include "platform/NativeFs.h"
#include "platform/PrefaultedArray.h"
#include "pod/FlyFolder.h"

#include <algorithm>

namespace {

DbiFileHeader IndexHeader(uint32_t count, const IndexGen& generator) {
    DbiFileHeader header;
    const auto keyWidth = static_cast<uint32_t>(generator.GetKeyWidth());
    header.time = DbClock::Now();
    header.count = count;
    header.entrySize = keyWidth + 4;
    PutText(header.keyName, generator.GetName(), TextCut::AtWidth);
    header.keyWidth = keyWidth;
    return header;
}

// A filter on a 'C' field tests its first byte against the mask's low byte, on an 'I' field its value;
// a filter on a field of another type lets every record pass.
bool Passes(const TriDbRecord& record, const TriDbTemplateEntry& filter, uint32_t mask) {
    if (filter.type == 'C')
        return (record.ReadU8(filter.offset) & (mask & 0xFF)) != 0;
    if (filter.type == 'I')
        return (record.ReadU32(filter.offset) & mask) != 0;
    return true;
}

// A key text the generator leaves empty is the text of field 0.
std::string KeyTextOf(const IndexGen* generator, const TriDbRecord& record) {
    std::string key = generator ? generator->MakeKey(record) : std::string();
    return key.empty() ? record.GetFieldText(0) : key;
}

} // namespace

// A sorted table is done merging: the key index goes, to be rebuilt by the next look-up.
void TriDb::SortByKey(const std::function<void(const TriDbRecord&)>& check) {
    DropKeyIndex();
    sortOrder_ = SortKeys(store_.Count(), [&](size_t n) {
        store_.Prefetch(n + kPrefetchAhead);
        const TriDbRecord record = RecordAt(n);
        if (check)
            check(record);
        return KeyTextOf(nullptr, record);
    }).Order();
}


void TriDb::CreateIndex(const std::string& indexName, const IndexGen& generator,
                        const std::optional<std::string>& filterCode, uint32_t filterMask,
                        const std::string& writeTo, bool flushed) {
    const std::string path = FlyFolder::Get() + "DATABASE\\" + indexName;
    MessageSink::Printf("Creating index file %s\n", ShownPath(path).c_str());
    const auto* dbd = dynamic_cast<const TriDbdHeader*>(header_.get());
    if (!dbd)
        throw ZorException("TriDb", 436, ErrorCode::kSortDex, "Can't sort a DEX");
    const SortKeys keys(store_.Count(), [&](size_t n) { return KeyTextOf(&generator, RecordAt(n)); });
    const TriDbTemplateEntry* filter = filterCode ? &recordTemplate_.GetField(*filterCode) : nullptr;
    WriteIndexFile(path, writeTo, flushed, generator, keys, IndexedRanks(keys, filter, filterMask));
}

// The ranks of the key order whose records have a key and pass the filter; only a filter reads the records.
std::vector<uint32_t> TriDb::IndexedRanks(const SortKeys& keys, const TriDbTemplateEntry* filter,
                                          uint32_t filterMask) const {
    std::vector<uint32_t> taken;
    // Without a filter nearly every rank is taken.
    if (filter)
        taken.reserve(keys.Count());
    else
        ReservePrefaulted(taken, keys.Count());
    for (size_t rank = 0; rank < keys.Count(); ++rank) {
        if (!keys.HasKey(rank))
            continue;
        if (filter && rank + kPrefetchAhead < keys.Count())
            store_.Prefetch(static_cast<size_t>(keys.RecordAt(rank + kPrefetchAhead)));
        if (!filter || Passes(RecordAt(static_cast<size_t>(keys.RecordAt(rank))), *filter, filterMask))
            taken.push_back(static_cast<uint32_t>(rank));
    }
    return taken;
}

// The entries come in key order, so the keys are read one after the other.
void TriDb::WriteIndexFile(const std::string& path, const std::string& writeTo, bool flushed,
                           const IndexGen& generator, const SortKeys& keys, const std::vector<uint32_t>& taken) const {
    DbFileWriter file;
    if (const int error = writeTo.empty() ? file.Create(path) : file.Create(writeTo, false, flushed))
        throw ZorException("TriDb", 506, static_cast<uint32_t>(error), "Unable to open file");
    const auto header = RecordBytes(IndexHeader(static_cast<uint32_t>(taken.size()), generator));
    file.Write(header.data(), header.size());
    const auto keyWidth = static_cast<size_t>(std::max(0, generator.GetKeyWidth()));
    const auto recordSize = static_cast<uint32_t>(header_->GetRecordSize());
    std::vector<uint8_t> entry(keyWidth + 4);
    for (size_t i = 0; i < taken.size(); ++i) {
        if (i + kPrefetchAhead < taken.size())
            keys.Prefetch(taken[i + kPrefetchAhead]);
        keys.PutKey(taken[i], std::span(entry).first(keyWidth));
        const auto n = static_cast<uint32_t>(keys.RecordAt(taken[i]));
        ByteWriter(entry, keyWidth).Write(DbdFileHeader::kSize + n * recordSize);
        file.Write(entry.data(), entry.size());
    }
    if (const int error = file.Commit())
        throw ZorException("TriDb", 520, static_cast<uint32_t>(error),
                           FormatMessage("Unable to write to file %s", ShownPath(path).c_str()));
}
