#pragma once

#include "db/RecordKeyIndex.h"
#include "db/TriDbHeader.h"
#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FlyFile;
class IndexGen;

// One table in memory: a ".DBD" database or a ".DEX" update, with its template.
class TriDb final {
public:
    TriDb() = default;
    TriDb(const TriDb&) = delete;
    TriDb& operator=(const TriDb&) = delete;
    ~TriDb();

    // Destroys the records, the header and the sort order; the template stays.
    void Clear();
    // Loads a table image; the template comes through PodList (DATABASE\<name>.DBT). A DEX naming a
    // database outside DATABASE\ is refused. Surplus whole records are ignored.
    void Load(const FlyFile& file);
    // Starts an empty table without a file (the fixture generator): name decides DBD or DEX, the header
    // carries databaseName and the template's record size.
    void Create(const std::string& name, const std::string& databaseName, TriDbTemplate recordTemplate);

    int GetRecordCount() const { return static_cast<int>(records_.size()); }
    // Failure: "Asked for record %i when only %i available". Changing a record's key bytes through the
    // returned reference is allowed: the merge key index is rebuilt after any such access.
    TriDbRecord& GetRecord(int index);
    const TriDbRecord& GetRecord(int index) const;
    TriDbHeader* GetHeader() { return header_.get(); }
    const TriDbHeader* GetHeader() const { return header_.get(); }
    const TriDbTemplate& GetTemplate() const { return recordTemplate_; }
    const std::string& GetName() const { return name_; }
    const std::string& GetTemplateName() const { return templateName_; }

    // The header's record size when it equals the template's; fails otherwise.
    int CheckRecordSize() const;
    // DEX only: widens every record to the template's record size.
    void ExpandRecordSize();

    // The first record (in record-number order) whose key field bytes match the probe's; null if none.
    const TriDbRecord* FindRecord(const TriDbRecord& probe, int keyField);
    void AddOrReplace(const TriDbRecord& record, int keyField);
    // Takes the record out (pointer identity), closing the gap; unknown records are ignored.
    void RemoveRecord(const TriDbRecord* record);
    // Applies a DEX table: '*' records delete, others replace or add, one progress line each.
    void Merge(const TriDb& dex);
    // Appends a zero-filled record of the table's template (the fixture generator fills it).
    TriDbRecord& AppendRecord();

    // Orders the record numbers by key text, equal keys with the higher record number first.
    void SortByKey();
    const std::vector<int>* GetSortOrder() const { return sortOrder_ ? &*sortOrder_ : nullptr; }
    // Writes header and records (in sort order when there is one) to path through a temporary file; with
    // writeTo, straight to that file instead (an import's work file; messages still name path).
    void Save(const std::string& path, const std::string& writeTo = {});
    // Writes GetFlyFolder() + "DATABASE\" + indexName for this DBD table through a temporary file; with
    // writeTo, straight to that file instead (an import's work file; messages still name the index file).
    void CreateIndex(const std::string& indexName, const IndexGen& generator,
                     const std::optional<std::string>& filterCode, uint32_t filterMask,
                     const std::string& writeTo = {});

private:
    void CreateHeader(const std::string& tableName);
    void LoadTemplateFor(const std::string& tableName);
    void CheckImageSize(const FlyFile& file, size_t headerLength);
    // expectedAdditions sizes a key index built now for the records still to come.
    int FindSlot(const TriDbRecord& probe, int keyField, size_t expectedAdditions);
    void AddOrReplace(const TriDbRecord& record, int keyField, size_t expectedAdditions);
    void AppendCopy(const TriDbRecord& record);
    void RemoveSlot(size_t slot);
    void Compact();
    std::vector<std::string> ComputeSortOrder();
    void WriteIndexFile(const std::string& path, const std::string& writeTo, const IndexGen& generator,
                        const std::vector<std::string>& keys, const std::vector<int>& taken) const;
    void DropKeyIndex() { keyIndex_.reset(); }

    std::string name_;
    std::string templateName_;
    std::unique_ptr<TriDbHeader> header_;
    TriDbTemplate recordTemplate_;
    std::optional<std::vector<int>> sortOrder_;
    // Null entries are records removed during a merge, dropped by Compact before anything else looks.
    std::vector<std::unique_ptr<TriDbRecord>> records_;
    size_t liveCount_ = 0;
    std::optional<RecordKeyIndex> keyIndex_;
};
