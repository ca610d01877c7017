// The two repairs for DEX files made for the first Fly! release (-S and -R).
#include "driver/DexMerger.h"

#include "base/MessageSink.h"
#include "db/TriDb.h"
#include "driver/RunwayKeyMatcher.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "pod/FlyFile.h"
#include "pod/PodList.h"

namespace {

std::vector<RunwayKeyRow> RunwayRows(const TriDb& table) {
    std::vector<RunwayKeyRow> rows;
    rows.reserve(static_cast<size_t>(table.GetRecordCount()));
    const TriDbTemplate& layout = table.GetTemplate();
    const int airport = layout.GetFieldIndex("rapt");
    const int runway = layout.GetFieldIndex("rhid");
    const int key = layout.GetFieldIndex("rkey");
    for (int i = 0; i < table.GetRecordCount(); ++i) {
        const TriDbRecord& record = table.GetRecord(i);
        rows.push_back({record.GetFieldText(airport), record.GetFieldText(runway), record.GetFieldText(key)});
    }
    return rows;
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
    dex.Load(dexFile);
    if (UpperAscii(dex.GetHeader()->GetDatabaseName()) != "RUNWAY.DBD")
        return;
    MessageSink::Printf("Checking runway DB for mismatches, may take a while...\n");
    FlyFile tableFile;
    PodList::OpenFlyFile("DATABASE\\RUNWAY.DBD", tableFile, false);
    TriDb table;
    table.Load(tableFile);

    std::vector<RunwayKeyRow> dexRows = RunwayRows(dex);
    const std::vector<RunwayKeyReplacement> replacements = MatchRunwayKeys(RunwayRows(table), dexRows);
    for (const RunwayKeyReplacement& change : replacements) {
        const RunwayKeyRow& row = dexRows[static_cast<size_t>(change.dexRecord)];
        dex.GetRecord(change.dexRecord).SetFieldText("rkey", change.newKey);
        MessageSink::Printf("Replacing runway key %s with %s for airport %s runway %s\n",
                            change.oldKey.c_str(), change.newKey.c_str(), row.airport.c_str(),
                            row.runway.c_str());
    }
    if (replacements.empty()) {
        MessageSink::Printf("No mismatched runway keys found.\n");
        return;
    }
    dexFile.Reset();
    dex.Save(dexName);
    MessageSink::Printf("Saved %s with new record keys\n", ShownPath(dexName).c_str());
}
