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

// The first 8 bytes of a key as a number that orders like the bytes themselves.
uint64_t KeyPrefix(const std::string& key) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < key.size() ? static_cast<uint8_t>(key[i]) : 0);
    return prefix;
}

} // namespace

// Each key text is computed once; equal keys put the higher record number first.
std::vector<std::string> TriDb::ComputeSortOrder() {
    struct Entry {
        uint64_t prefix;
        int record;
    };
    std::vector<std::string> keys;
    keys.reserve(records_.size());
    std::vector<Entry> entries;
    entries.reserve(records_.size());
    for (const auto& record : records_) {
        keys.push_back(record->GetKeyText());
        entries.push_back({KeyPrefix(keys.back()), static_cast<int>(entries.size())});
    }
    std::sort(entries.begin(), entries.end(), [&keys](const Entry& a, const Entry& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int compared = keys[static_cast<size_t>(a.record)].compare(keys[static_cast<size_t>(b.record)]);
        return compared != 0 ? compared < 0 : a.record > b.record;
    });
    std::vector<int> order;
    order.reserve(entries.size());
    for (const Entry& entry : entries)
        order.push_back(entry.record);
    sortOrder_ = std::move(order);
    return keys;
}

void TriDb::SortByKey() {
    ComputeSortOrder();
}

void TriDb::CreateIndex(const std::string& indexName, const IndexGen& generator,
                        const std::optional<std::string>& filterCode, uint32_t filterMask,
                        const std::string& writeTo) {
    const std::string path = PodList::GetFlyFolder() + "DATABASE\\" + indexName;
    MessageSink::Printf("Creating index file %s\n", ShownPath(path).c_str());
    const auto* dbd = dynamic_cast<const TriDbdHeader*>(header_.get());
    if (!dbd)
        throw ZorException("TriDb", 436, ErrorCode::kSortDex, "Can't sort a DEX");
    for (auto& record : records_)
        generator.MakeKey(*record);
    const std::vector<std::string> keys = ComputeSortOrder();
    const TriDbTemplateEntry* filter = filterCode ? &recordTemplate_.GetField(*filterCode) : nullptr;
    std::vector<int> taken;
    taken.reserve(records_.size());
    for (const int n : *sortOrder_) {
        const TriDbRecord& record = *records_[static_cast<size_t>(n)];
        bool pass = true;
        if (filter && filter->type == 'C')
            pass = (record.ReadU8(filter->offset) & (filterMask & 0xFF)) != 0;
        else if (filter && filter->type == 'I')
            pass = (record.ReadU32(filter->offset) & filterMask) != 0;
        if (pass && !keys[static_cast<size_t>(n)].empty())
            taken.push_back(n);
    }
    WriteIndexFile(path, writeTo, generator, keys, taken);
}

void TriDb::WriteIndexFile(const std::string& path, const std::string& writeTo, const IndexGen& generator,
                           const std::vector<std::string>& keys, const std::vector<int>& taken) const {
    DbFileWriter file;
    if (const int error = writeTo.empty() ? file.Create(path) : file.Create(writeTo, false))
        throw ZorException("TriDb", 506, static_cast<uint32_t>(error), "Unable to open file");
    const auto header = RecordBytes(IndexHeader(static_cast<uint32_t>(taken.size()), generator));
    file.Write(header.data(), header.size());
    const auto keyWidth = static_cast<size_t>(std::max(0, generator.GetKeyWidth()));
    const auto recordSize = static_cast<uint32_t>(header_->GetRecordSize());
    std::vector<uint8_t> entry(keyWidth + 4);
    for (const int n : taken) {
        PutText(std::span(entry).first(keyWidth), keys[static_cast<size_t>(n)], TextCut::AtWidth);
        ByteWriter(entry, keyWidth).Write(DbdFileHeader::kSize + static_cast<uint32_t>(n) * recordSize);
        file.Write(entry.data(), entry.size());
    }
    if (const int error = file.Commit())
        throw ZorException("TriDb", 520, static_cast<uint32_t>(error),
                           FormatMessage("Unable to write to file %s", ShownPath(path).c_str()));
}
