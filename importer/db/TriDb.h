#pragma once

#include "db/RecordKeyIndex.h"
#include "db/RecordStore.h"
#include "db/TriDbHeader.h"
#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class DbFileWriter;
class FlyFile;
class IndexGen;
class SortKeys;

// One table in memory: a ".DBD" database or a ".DEX" update, with its template.
class TriDb final {
public:
    // How many records ahead a pass starts loading those it will read: about a memory latency's worth.
    static constexpr int kPrefetchAhead = 16;

    TriDb() = default;
    TriDb(const TriDb&) = delete;
    TriDb& operator=(const TriDb&) = delete;
    ~TriDb();

    // Destroys the records, the header and the sort order; the template stays.
    void Clear();
    // Loads a table image; the template comes through PodList (DATABASE\<name>.DBT). A DEX naming a
    // database outside DATABASE\ is refused. Surplus whole records are ignored. The records are copied
    // into one block; with view, they are views into the image instead, which the table keeps (bytes that
    // are not a disk file's must outlive the table).
    void Load(const FlyFile& file, bool view = false);
    // Loads header and template, checked as Load checks them, from head: the first bytes (at least the
    // header's) of a table file of fileSize bytes; no records. LoadPart then gives them part by part.
    void LoadHeader(const FlyFile& head, uint64_t fileSize);
    // The records become views of count records of the header's size at data, which must outlive them.
    void LoadPart(const uint8_t* data, size_t count);
    // Starts an empty table without a file (the fixture generator): name decides DBD or DEX, the header
    // carries databaseName and the template's record size.
    void Create(const std::string& name, const std::string& databaseName, TriDbTemplate recordTemplate);

    int GetRecordCount() const { return static_cast<int>(store_.Count()); }
    // Failure: "Asked for record %i when only %i available". The record is a view of the table's bytes.
    // Changing a record's key bytes through it is allowed: the merge key index is rebuilt after any such
    // access. Only the const form may return a view into a read-only image.
    TriDbRecord GetRecord(int index);
    const TriDbRecord GetRecord(int index) const;
    TriDbHeader* GetHeader() { return header_.get(); }
    const TriDbHeader* GetHeader() const { return header_.get(); }
    const TriDbTemplate& GetTemplate() const { return recordTemplate_; }
    const std::string& GetName() const { return name_; }
    const std::string& GetTemplateName() const { return templateName_; }

    // The header's record size when it equals the template's; fails otherwise.
    int CheckRecordSize() const;
    // DEX only: widens every record to the template's record size.
    void ExpandRecordSize();

    // The number of the first record whose key field bytes match the probe's; -1 if none.
    int FindRecord(const TriDbRecord& probe, int keyField);
    // Takes the record out (the record of these bytes), closing the gap; unknown records are ignored.
    void RemoveRecord(const TriDbRecord& record);
    // Applies a DEX table: '*' records delete, others replace or add, one progress line each. Records
    // taken from a DEX loaded as views of a disk file share its bytes: the file stays mapped with the table.
    void Merge(const TriDb& dex);
    // The same for a DEX given part by part: after each part's records, nextPart loads the next into dex
    // (LoadPart) or returns false. The records kept are copied (unless their bytes lie in a disk image).
    void Merge(const TriDb& dex, const std::function<bool()>& nextPart);
    // Appends a zero-filled record of the table's template (the fixture generator fills it).
    TriDbRecord AppendRecord();

    // Orders the record numbers by the text of field 0, equal keys with the higher record number first.
    // check, when given, sees each record on the way, in record order; what it throws ends the sort.
    void SortByKey(const std::function<void(const TriDbRecord&)>& check = nullptr);
    const std::vector<int>* GetSortOrder() const { return sortOrder_ ? &*sortOrder_ : nullptr; }
    // Writes header and records (in sort order when there is one) to path through a temporary file; with
    // writeTo, straight to that file instead (an import's work file; messages still name path), flushed to
    // disk unless flushed is false (a work file that its import removes again).
    void Save(const std::string& path, const std::string& writeTo = {}, bool flushed = true);
    // Sees a copy of each record (by record number) before Save writes it, and may change the copy; the
    // table's records stay as they are.
    using RecordEdit = std::function<void(size_t record, TriDbRecord& copy)>;
    // Save through a temporary file, each record written as edit leaves its copy. The table is cleared
    // before the file is put in place, so that no view of the file it replaces is left to hold that back.
    void SaveEdited(const std::string& path, const RecordEdit& edit);
    // The records become views, in saved order, into saved: the file Save has just written, which the
    // table keeps. The table then equals that file loaded again. Fails like Load on a file of another size.
    void ViewSaved(const FlyFile& saved);
    // Writes GetFlyFolder() + "DATABASE\" + indexName for this DBD table through a temporary file; with
    // writeTo, straight to that file instead (an import's work file; messages still name the index file),
    // flushed as by Save. The table's own order and sort order stay as they are.
    void CreateIndex(const std::string& indexName, const IndexGen& generator,
                     const std::optional<std::string>& filterCode, uint32_t filterMask,
                     const std::string& writeTo = {}, bool flushed = true);

private:
    void CreateHeader(const std::string& tableName);
    void LoadTemplateFor(const std::string& tableName);
    void CheckImageSize(uint64_t fileSize, size_t headerLength);
    int FindSlot(const TriDbRecord& probe, int keyField);
    bool SameSize(const TriDbRecord& record) const;
    void Put(const TriDbRecord& record, int keyField, const RecordStore* source);
    void MergeRecord(const TriDbRecord& record, const RecordStore& source);
    void AppendCopy(const TriDbRecord& record, const RecordStore* source);
    // The hashes of the DEX records being loaded ahead, by record number modulo its size.
    using LookAheadHashes = std::array<uint32_t, 2 * kPrefetchAhead>;
    void PrefetchLookUps(const TriDb& dex, size_t n, LookAheadHashes& hashes) const;
    void Write(const std::string& path, const std::string& writeTo, bool flushed, const RecordEdit* edit);
    void WriteRecords(DbFileWriter& file, const RecordEdit* edit) const;
    void RemoveSlot(size_t slot);
    void Compact();
    TriDbRecord RecordAt(size_t slot) const;
    std::vector<uint32_t> IndexedRanks(const SortKeys& keys, const TriDbTemplateEntry* filter,
                                       uint32_t filterMask) const;
    void WriteIndexFile(const std::string& path, const std::string& writeTo, bool flushed, const IndexGen& generator,
                        const SortKeys& keys, const std::vector<uint32_t>& taken) const;
    void DropKeyIndex() { keyIndex_.reset(); }

    std::string name_;
    std::string templateName_;
    std::unique_ptr<TriDbHeader> header_;
    TriDbTemplate recordTemplate_;
    std::optional<std::vector<int>> sortOrder_;
    // Removed records are null entries there during a merge, dropped by Compact before anything else looks.
    RecordStore store_;
    size_t liveCount_ = 0;
    std::optional<RecordKeyIndex> keyIndex_;
};
