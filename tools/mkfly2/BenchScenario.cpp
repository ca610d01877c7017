#include "BenchScenario.h"

#include "DatabaseCatalog.h"
#include "DatabaseFiles.h"
#include "RecordMaker.h"
#include "TemplateFiles.h"

#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "db/DbClock.h"
#include "db/TriDb.h"
#include "platform/NativeFs.h"
#include "pod/PodList.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <stdexcept>

namespace {

constexpr uint32_t kSmallTables = 50;
constexpr uint32_t kFixedTime = 1136073600; // as the rest of the installation

void MakeTable(TriDb& table, const DatabaseSpec& spec, uint32_t records, std::mt19937_64& random) {
    table.Create("DATABASE\\" + spec.TableFile(), spec.TableFile(), LoadTemplate(spec, false));
    const RecordMaker maker(spec, table.GetTemplate());
    for (uint32_t n = 0; n < records; ++n)
        maker.Fill(table.AppendRecord(), n, random);
}

// DEX entries: record number and what to do with it, in the order they are written.
enum class Change { Same, Changed, Deleted, Added };
struct Entry {
    uint32_t number;
    Change change;
};

std::vector<Entry> PlanUpdate(uint32_t records, std::mt19937_64& random) {
    std::vector<uint32_t> existing(records);
    std::iota(existing.begin(), existing.end(), 0u);
    std::shuffle(existing.begin(), existing.end(), random);
    const uint32_t tenth = records / 10;
    const uint32_t twentieth = records / 20;
    std::vector<Entry> plan;
    for (uint32_t i = 0; i < records - tenth; ++i) {
        const Change change = i < tenth ? Change::Changed : i < tenth + twentieth ? Change::Deleted : Change::Same;
        plan.push_back({existing[i], change});
    }
    for (uint32_t i = 0; i < tenth; ++i)
        plan.push_back({records + i, Change::Added});
    std::shuffle(plan.begin(), plan.end(), random);
    return plan;
}

void WriteUpdate(const std::string& fly, const DatabaseSpec& spec, const TriDb& table, std::mt19937_64& random) {
    TriDb dex;
    dex.Create("BENCH.DEX", spec.TableFile(), LoadTemplate(spec, false));
    const RecordMaker maker(spec, dex.GetTemplate());
    const auto size = static_cast<size_t>(table.GetTemplate().GetRecordSize());
    uint32_t wrongKey = static_cast<uint32_t>(table.GetRecordCount()) + 5000;
    for (const Entry& entry : PlanUpdate(static_cast<uint32_t>(table.GetRecordCount()), random)) {
        TriDbRecord& record = dex.AppendRecord();
        if (entry.change == Change::Same || entry.change == Change::Deleted)
            std::memcpy(record.GetData(), table.GetRecord(static_cast<int>(entry.number)).GetData(), size);
        else
            maker.Fill(record, entry.number, random);
        if (entry.change == Change::Deleted)
            record.GetData()[0] = '*';
        if (entry.change == Change::Changed && spec.base == "RUNWAY")
            record.SetFieldText("rkey", spec.fields[0].text + std::to_string(++wrongKey));
    }
    dex.Save(fly + "dex\\BENCH.DEX");
}

void DropProgress(void*, const char*) {}

} // namespace

void WriteBenchScenario(const MkFly2Options& options, const std::string& base) {
    const DatabaseSpec& spec = FindDatabase(base);
    WriteDatabases({options.folder, kSmallTables, options.seed});
    const std::string fly = options.folder.string() + "/";
    MessageSink::Instance().SetWriter(nullptr, DropProgress);
    try {
        PodList::SetFlyFolder(fly);
        DbClock::Fix(kFixedTime);
        if (!IsFolder(fly + "DATABASE") && CreateFolder(fly + "DATABASE") != 0)
            throw std::runtime_error("cannot create " + NativePath(fly + "DATABASE"));
        std::mt19937_64 random(options.seed + 1);
        TriDb table;
        MakeTable(table, spec, options.records, random);
        WriteUpdate(fly, spec, table, random);
        table.SortByKey();
        table.Save(fly + "DATABASE\\" + spec.TableFile());
    } catch (const ZorException& e) {
        MessageSink::Instance().SetWriter(nullptr, nullptr);
        throw std::runtime_error(e.GetReport());
    }
    MessageSink::Instance().SetWriter(nullptr, nullptr);
}
