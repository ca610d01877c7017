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
#include "pod/PodList.h"

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

// A key text the generator leaves empty is the text of field 0.
std::string KeyTextOf(const IndexGen* generator, const TriDbRecord& record) {
    std::string key = generator ? generator->MakeKey(record) : std::string();
    return key.empty() ? record.GetFieldText(0) : key;
}

} // namespace

// A sorted table is done merging: the key index goes, to be rebuilt by the next look-up.
void TriDb::SortByKey() {
    DropKeyIndex();
    sortOrder_ = SortKeys::OrderOf(store_.Count(), [this](size_t n) {
        store_.Prefetch(n + kPrefetchAhead);
        return KeyTextOf(nullptr, RecordAt(n));
    });
}


void TriDb::CreateIndex(const std::string& indexName, const IndexGen& generator,
                        const std::optional<std::string>& filterCode, uint32_t filterMask,
                        const std::string& writeTo) {
    const std::string path = PodList::GetFlyFolder() + "DATABASE\\" + indexName;
    MessageSink::Printf("Creating index file %s\n", ShownPath(path).c_str());
    const auto* dbd = dynamic_cast<const TriDbdHeader*>(header_.get());
    if (!dbd)
        throw ZorException("TriDb", 436, ErrorCode::kSortDex, "Can't sort a DEX");
    const SortKeys keys(store_.Count(), [&](size_t n) { return KeyTextOf(&generator, RecordAt(n)); });
    sortOrder_ = keys.Order();
    const TriDbTemplateEntry* filter = filterCode ? &recordTemplate_.GetField(*filterCode) : nullptr;
    std::vector<int> taken;
    taken.reserve(store_.Count());
    for (size_t i = 0; i < sortOrder_->size(); ++i) {
        const int n = (*sortOrder_)[i];
        if (filter && i + kPrefetchAhead < sortOrder_->size())
            store_.Prefetch(static_cast<size_t>((*sortOrder_)[i + kPrefetchAhead]));
        const TriDbRecord record = RecordAt(static_cast<size_t>(n));
        bool pass = true;
        if (filter && filter->type == 'C')
            pass = (record.ReadU8(filter->offset) & (filterMask & 0xFF)) != 0;
        else if (filter && filter->type == 'I')
            pass = (record.ReadU32(filter->offset) & filterMask) != 0;
        if (pass && !keys.Key(static_cast<size_t>(n)).empty())
            taken.push_back(n);
    }
    WriteIndexFile(path, writeTo, generator, keys, taken);
}

void TriDb::WriteIndexFile(const std::string& path, const std::string& writeTo, const IndexGen& generator,
                           const SortKeys& keys, const std::vector<int>& taken) const {
    DbFileWriter file;
    if (const int error = writeTo.empty() ? file.Create(path) : file.Create(writeTo, false))
        throw ZorException("TriDb", 506, static_cast<uint32_t>(error), "Unable to open file");
    const auto header = RecordBytes(IndexHeader(static_cast<uint32_t>(taken.size()), generator));
    file.Write(header.data(), header.size());
    const auto keyWidth = static_cast<size_t>(std::max(0, generator.GetKeyWidth()));
    const auto recordSize = static_cast<uint32_t>(header_->GetRecordSize());
    std::vector<uint8_t> entry(keyWidth + 4);
    for (const int n : taken) {
        PutText(std::span(entry).first(keyWidth), keys.Key(static_cast<size_t>(n)), TextCut::AtWidth);
        ByteWriter(entry, keyWidth).Write(DbdFileHeader::kSize + static_cast<uint32_t>(n) * recordSize);
        file.Write(entry.data(), entry.size());
    }
    if (const int error = file.Commit())
        throw ZorException("TriDb", 520, static_cast<uint32_t>(error),
                           FormatMessage("Unable to write to file %s", ShownPath(path).c_str()));
}
