// Table loader: the first input byte picks the file name (one of the eight tables, or a DEX), the rest is
// the file's image. A loaded table is checked, sorted and read field by field.
#include "FuzzFolder.h"

#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "db/TriDb.h"
#include "pod/FlyFile.h"
#include "pod/PodList.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 9> kNames = {
    "DATABASE\\AIRPORT.DBD", "DATABASE\\COMM.DBD",     "DATABASE\\ILS.DBD",      "DATABASE\\NAVAID.DBD",
    "DATABASE\\RUNWAY.DBD",  "DATABASE\\ATSROUTE.DBD", "DATABASE\\OBSTRUCT.DBD", "DATABASE\\WAYPOINT.DBD",
    "dex\\FUZZ.DEX"};

void DropProgress(void*, const char*) {}

void ReadTable(TriDb& table) {
    volatile size_t total = 0;
    const int shown = std::min(table.GetRecordCount(), 64);
    for (int r = 0; r < shown; ++r) {
        for (int f = 0; f < table.GetTemplate().GetFieldCount(); ++f)
            total = total + table.GetRecord(r).GetFieldText(f).size();
        total = total + table.GetRecord(r).GetKeyText().size();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    MessageSink::Instance().SetWriter(nullptr, DropProgress);
    static const bool folderSet = (PodList::SetFlyFolder(FuzzFlyFolder()), true);
    (void)folderSet;
    FlyFile image;
    image.Set(data + 1, static_cast<uint32_t>(size - 1), kNames[data[0] % kNames.size()], 0);
    TriDb table;
    try {
        table.Load(image);
        ReadTable(table);
        if (data[0] % kNames.size() == kNames.size() - 1)
            table.ExpandRecordSize();
        table.CheckRecordSize();
        table.SortByKey();
        ReadTable(table);
    } catch (const ZorException&) {
    }
    return 0;
}
