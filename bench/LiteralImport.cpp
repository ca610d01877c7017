#include "LiteralImport.h"

#include "base/MessageSink.h"
#include "db/TriDb.h"
#include "driver/DexMerger.h"
#include "driver/IndexGenFactory.h"
#include "driver/NavDatabase.h"
#include "pod/FlyFile.h"
#include "pod/FlyFolder.h"
#include "pod/PodList.h"

#include <algorithm>
#include <ctime>
#include <cstring>
#include <memory>
#include <numeric>
#include <optional>
#include <utility>

namespace {

// Processor time of this process, so that the yardstick is fair on a machine shared with other work.
struct Clock final {
    using time_point = double;
    static double now() {
        timespec time{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
    }
};

double Since(double start) {
    return Clock::now() - start;
}

void LoadTable(TriDb& table, const std::string& name, bool fromDisk) {
    FlyFile file;
    if (fromDisk)
        file.OpenDisk(name);
    else
        PodList::OpenFlyFile(name, file, false);
    table.Load(file);
}

// Every database record against every DEX record, both field texts read for each pair.
void RepairAllPairs(TriDb& database, TriDb& dex, int every) {
    for (int d = 0; d < database.GetRecordCount(); d += every) {
        const TriDbRecord& base = database.GetRecord(d);
        for (int x = 0; x < dex.GetRecordCount(); ++x) {
            const TriDbRecord update = std::as_const(dex).GetRecord(x);
            if (update.GetFieldText("rapt") != base.GetFieldText("rapt") ||
                update.GetFieldText("rhid") != base.GetFieldText("rhid"))
                continue;
            const std::string key = base.GetFieldText("rkey");
            if (update.GetFieldText("rkey") != key) {
                MessageSink::Printf("Replacing runway key %s with %s for airport %s runway %s\n",
                                    update.GetFieldText("rkey").c_str(), key.c_str(),
                                    update.GetFieldText("rapt").c_str(), update.GetFieldText("rhid").c_str());
                dex.GetRecord(x).SetFieldText("rkey", key);
            }
        }
    }
}

std::optional<TriDbRecord> ScanFor(TriDb& table, const TriDbRecord& probe) {
    const TriDbTemplateEntry& key = table.GetTemplate().GetField(0);
    auto length = static_cast<size_t>(key.width);
    const uint8_t* wanted = probe.GetData() + key.offset;
    if (key.type == 'C') {
        if (const void* zero = std::memchr(wanted, 0, length))
            length = static_cast<size_t>(static_cast<const uint8_t*>(zero) - wanted) + 1;
    }
    const TriDb& scanned = table;
    for (int i = 0; i < scanned.GetRecordCount(); ++i) {
        if (std::memcmp(scanned.GetRecord(i).GetData() + key.offset, wanted, length) == 0)
            return table.GetRecord(i);
    }
    return std::nullopt;
}

void MergeByScan(TriDb& table, const TriDb& dex, int every) {
    const auto size = static_cast<size_t>(table.GetTemplate().GetRecordSize());
    for (int x = 0; x < dex.GetRecordCount(); x += every) {
        const TriDbRecord update = dex.GetRecord(x);
        std::optional<TriDbRecord> found = ScanFor(table, update);
        if (update.FirstByte() == '*') {
            if (found) {
                MessageSink::Printf("Deleting record %s\n", update.GetFieldText(0).c_str());
                table.RemoveRecord(*found);
            } else {
                MessageSink::Printf("Record %s already deleted.\n", update.GetFieldText(0).c_str());
            }
        } else if (found) {
            MessageSink::Printf("Replacing record %s\n", found->GetFieldText(0).c_str());
            found->Assign(update);
        } else {
            MessageSink::Printf("Adding record %s\n", update.GetFieldText(0).c_str());
            std::memcpy(table.AppendRecord().GetData(), update.GetData(), size);
        }
    }
}

// The table's own order: the key text of both records rebuilt for each comparison.
void SortRebuildingKeys(const TriDb& table) {
    std::vector<int> order(static_cast<size_t>(table.GetRecordCount()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&table](int a, int b) {
        const int c = std::strcmp(table.GetRecord(a).GetFieldText(0).c_str(), table.GetRecord(b).GetFieldText(0).c_str());
        return c != 0 ? c < 0 : a > b;
    });
}

// An index's order: each record's key text made once, as the importer always did, then compared as text.
void SortIndexKeys(const TriDb& table, const IndexGen& generator) {
    std::vector<std::string> keys;
    keys.reserve(static_cast<size_t>(table.GetRecordCount()));
    for (int i = 0; i < table.GetRecordCount(); ++i) {
        std::string key = generator.MakeKey(table.GetRecord(i));
        keys.push_back(key.empty() ? table.GetRecord(i).GetFieldText(0) : std::move(key));
    }
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&keys](int a, int b) {
        const int c = std::strcmp(keys[static_cast<size_t>(a)].c_str(), keys[static_cast<size_t>(b)].c_str());
        return c != 0 ? c < 0 : a > b;
    });
}

// Index files from the saved table, each after a literal sort of its keys.
double WriteIndexes(const NavDatabase& database, double& sortSeconds) {
    const auto start = Clock::now();
    TriDb table;
    LoadTable(table, "DATABASE\\" + database.table, false);
    for (const NavIndex& index : database.indexes) {
        const std::unique_ptr<IndexGen> generator = MakeIndexGen(table, index);
        const auto sortStart = Clock::now();
        SortIndexKeys(table, *generator);
        sortSeconds += Since(sortStart);
        table.CreateIndex(index.file, *generator,
                          index.filterCode.empty() ? std::nullopt : std::optional(index.filterCode),
                          index.filterMask);
    }
    return Since(start);
}

} // namespace

LiteralCost RunLiteralImport(const std::string& fly, const std::string& dexName, bool matchRunways,
                             int sampleEvery) {
    LiteralCost cost;
    cost.sampleEvery = sampleEvery;
    auto start = Clock::now();
    DexMerger merger(fly);
    TriDb dex;
    LoadTable(dex, dexName, true);
    const NavDatabase& database = *NavDatabase::Find(dex.GetHeader()->GetDatabaseName());
    TriDb table;
    LoadTable(table, "DATABASE\\" + database.table, false);
    cost.restSeconds += Since(start);

    start = Clock::now();
    if (matchRunways && database.table == "RUNWAY.DBD")
        RepairAllPairs(table, dex, sampleEvery);
    cost.repairSeconds = Since(start) * sampleEvery;
    start = Clock::now();
    MergeByScan(table, dex, sampleEvery);
    cost.mergeSeconds = Since(start) * sampleEvery;
    start = Clock::now();
    SortRebuildingKeys(table);
    cost.sortSeconds = Since(start);

    start = Clock::now();
    table.SortByKey();
    table.Save(FlyFolder::Get() + "DATABASE\\" + database.table);
    cost.restSeconds += Since(start);
    double indexSorts = 0;
    const double indexSeconds = WriteIndexes(database, indexSorts);
    cost.sortSeconds += indexSorts;
    cost.restSeconds += indexSeconds - indexSorts;
    start = Clock::now();
    merger.BuildPod(database.tmpName, database.description, database.packedFiles);
    cost.restSeconds += Since(start);
    return cost;
}
