// The two repairs for DEX files made for the first Fly! release (-S and -R).
#include "driver/DexMerger.h"

#include "base/MessageSink.h"
#include "db/TriDb.h"
#include "driver/RunwayKeyMatcher.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "platform/ReadOnlyMap.h"
#include "pod/FlyFile.h"
#include "pod/PodList.h"

#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <utility>

namespace {

// The three fields of a runway table's records as texts, each as the record's field text reads it: a view
// of the record's bytes where the field is text inside the record, else a formatted copy kept here.
class RunwayTexts final {
public:
    explicit RunwayTexts(const TriDb& table)
        : table_(table), airport_(Field("rapt")), runway_(Field("rhid")), key_(Field("rkey")) {
        FindStride();
    }

    RunwayKeyRow Row(size_t record) {
        const TriDbRecord view = RecordAt(record);
        return {Text(view, airport_), Text(view, runway_), Text(view, key_)};
    }

    // Starts loading the record's bytes: the DEX rows are visited out of their order.
    void LoadAhead(size_t record) const {
        const TriDbRecord view = RecordAt(record);
        __builtin_prefetch(view.GetData());
        __builtin_prefetch(view.GetData() + std::max<size_t>(view.GetBufferSize(), 1) - 1);
    }

private:
    int Field(const std::string& code) const { return table_.GetTemplate().GetFieldIndex(code); }

    // A table just loaded has its records one after the other (views of its file, or copies in one
    // block): their places are then computed, and a jump among them waits on the record's bytes only, not
    // also on its entry in the record order. Checked for every record, else the order is read.
    void FindStride() {
        const int count = table_.GetRecordCount();
        if (count < 2)
            return;
        const uint8_t* first = table_.GetRecord(0).GetData();
        const auto stride = static_cast<size_t>(table_.GetRecord(1).GetData() - first);
        for (int n = 2; n < count; ++n)
            if (table_.GetRecord(n).GetData() != first + static_cast<size_t>(n) * stride)
                return;
        first_ = const_cast<uint8_t*>(first);
        stride_ = stride;
    }

    const TriDbRecord RecordAt(size_t record) const {
        return stride_ > 0 ? TriDbRecord::View(&table_.GetTemplate(), first_ + record * stride_)
                           : table_.GetRecord(static_cast<int>(record));
    }

    std::string_view Text(const TriDbRecord& record, int index) {
        const TriDbTemplateEntry& field = record.GetTemplate()->GetField(index);
        if (field.type == 'D' || field.type == 'I' || field.width == 1)
            return formatted_.emplace_back(record.GetFieldText(index));
        std::string outside; // filled only for a field reaching out of the record
        std::string_view bytes = record.FieldBytes(field.offset, field.width, outside);
        if (!outside.empty())
            bytes = formatted_.emplace_back(std::move(outside));
        return bytes.substr(0, bytes.find('\0'));
    }

    const TriDb& table_;
    const int airport_;
    const int runway_;
    const int key_;
    uint8_t* first_ = nullptr;
    size_t stride_ = 0;
    std::deque<std::string> formatted_;
};

// Reports each key taken over; a key field that is no text fails before the first report.
RunwayKeyMatcher::Change ReportChange(const TriDb& dex, size_t& changes) {
    return [&dex, &changes](size_t, std::string_view oldKey, const RunwayKeyRow& database) {
        if (changes++ == 0)
            TriDbRecord(&dex.GetTemplate(), nullptr, 0).SetFieldText("rkey", std::string(database.key));
        MessageSink::Print({"Replacing runway key ", oldKey, " with ", database.key, " for airport ",
                            database.airport, " runway ", database.runway, "\n"});
    };
}

} // namespace

bool DexMerger::UpdateDexSize(const std::string& dexName) {
    FlyFile dexFile;
    dexFile.OpenDisk(dexName);
    TriDb dex;
    dex.Load(dexFile);
    const int declared = dex.GetHeader()->GetRecordSize();
    const int computed = dex.GetTemplate().GetRecordSize();
    if (declared == computed)
        return false;
    dex.ExpandRecordSize();
    dexFile.Reset();
    dex.Save(dexName);
    MessageSink::Printf("Modified record size of %s from %i to %i bytes\n", ShownPath(dexName).c_str(),
                        declared, computed);
    return true;
}

void DexMerger::RepairRunwayKeys(const std::string& dexName) {
    FlyFile dexFile;
    dexFile.OpenDisk(dexName);
    TriDb dex;
    dex.Load(dexFile, true);
    dexFile.Reset(); // the records hold the view
    if (UpperAscii(dex.GetHeader()->GetDatabaseName()) != "RUNWAY.DBD")
        return;
    MessageSink::Printf("Checking runway DB for mismatches, may take a while...\n");
    FlyFile tableFile;
    PodList::OpenFlyFile("DATABASE\\RUNWAY.DBD", tableFile, false);
    TriDb table;
    table.Load(tableFile, true);

    RunwayTexts dexTexts(dex);
    RunwayTexts tableTexts(table);
    // The database rows are read once, in order (only those whose keys are taken again later): the pages
    // behind the reading leave the resident set, so that of the two files only the DEX stays. The table's
    // bytes are a mapped file's, loose or in its archive, and come back from it when read again.
    size_t released = 0;
    const auto databaseRow = [&table, &tableTexts, &released](size_t row) {
        constexpr size_t kReleaseRows = 8192;
        if (row >= released + 2 * kReleaseRows) {
            const uint8_t* from = std::as_const(table).GetRecord(static_cast<int>(released)).GetData();
            const uint8_t* to = std::as_const(table).GetRecord(static_cast<int>(row - kReleaseRows)).GetData();
            ReleaseMappedPages(from, static_cast<size_t>(to - from));
            released = row - kReleaseRows;
        }
        return tableTexts.Row(row);
    };
    const auto loadAhead = [&dexTexts](size_t row) { dexTexts.LoadAhead(row); };
    RunwayKeyMatcher matcher(
        static_cast<size_t>(dex.GetRecordCount()), [&dexTexts](size_t row) { return dexTexts.Row(row); },
        databaseRow, loadAhead);
    size_t changes = 0;
    matcher.MatchAll(static_cast<size_t>(table.GetRecordCount()), ReportChange(dex, changes));
    if (changes == 0) {
        MessageSink::Printf("No mismatched runway keys found.\n");
        return;
    }
    // The DEX's records are views of its file: the new keys go into the copies written, and the view goes
    // before the new file takes the old one's place.
    const int keyField = dex.GetTemplate().GetFieldIndex("rkey");
    dex.SaveEdited(dexName, [&matcher, keyField](size_t row, TriDbRecord& copy) {
        if (matcher.Changed(row))
            copy.SetFieldText(keyField, matcher.KeyOf(row));
    });
    MessageSink::Printf("Saved %s with new record keys\n", ShownPath(dexName).c_str());
}
