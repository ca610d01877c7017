// The synthetic installation loads back through the importer's own readers.
#include "CapturedOutput.h"
#include "DbTestFiles.h"

#include "base/ZorException.h"
#include "db/DbClock.h"
#include "db/IndexGenAica.h"
#include "db/IndexGenField.h"
#include "db/IndexGenLatLon.h"
#include "db/IndexGenMulti.h"
#include "db/TriDb.h"
#include "platform/NativeFs.h"
#include "pod/PodFile.h"
#include "pod/PodList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

namespace fs = std::filesystem;

struct IndexRow {
    const char* file;
    char kind; // F field, L lat/lon, M multi, A aica
    const char* first;
    const char* second;
    const char* filter;
    uint32_t mask;
};

struct DatabaseRow {
    const char* base;
    const char* description;
    std::vector<std::string> packed; // in name order
    std::vector<IndexRow> indexes;
};

// The files and indexes the importer packs and rebuilds for each database.
const std::vector<DatabaseRow> kDatabases = {
    {"AIRPORT",
     "Airport database",
     {"AIRPORT.DBD", "AIRPORT.DBI", "AIRPORT.DBT", "APRTCTRY.DBI", "APRTFAA.DBI", "APRTGLOB.DBI",
      "APRTICAO.DBI", "APRTNAME.DBI", "APRTSTAT.DBI"},
     {{"AIRPORT.DBI", 'F', "akey", "", "", 0},
      {"APRTCTRY.DBI", 'F', "actr", "", "", 0},
      {"APRTFAA.DBI", 'F', "afaa", "", "", 0},
      {"APRTNAME.DBI", 'F', "anam", "", "", 0},
      {"APRTGLOB.DBI", 'L', "alat", "alon", "", 0},
      {"APRTSTAT.DBI", 'M', "actr", "asta", "", 0},
      {"APRTICAO.DBI", 'A', "", "", "", 0}}},
    {"COMM",
     "Communication database",
     {"COMM.DBD", "COMM.DBI", "COMM.DBT", "COMMGLOB.DBI"},
     {{"COMM.DBI", 'F', "capt", "", "", 0}, {"COMMGLOB.DBI", 'L', "clat", "clon", "", 0}}},
    {"ILS",
     "ILS database",
     {"ILS.DBD", "ILS.DBI", "ILS.DBT", "ILSGLOB.DBI", "ILSLOCAL.DBI"},
     {{"ILS.DBI", 'M', "iapt", "irwy", "", 0},
      {"ILSGLOB.DBI", 'L', "ilat", "ilon", "", 0},
      {"ILSLOCAL.DBI", 'L', "ilat", "ilon", "ityp", 64}}},
    {"NAVAID",
     "Navaid database",
     {"NAVAID.DBD", "NAVAID.DBI", "NAVAID.DBT", "NAVNDBID.DBI", "NAVNDBNM.DBI", "NAVVORID.DBI",
      "NAVVORNM.DBI"},
     {{"NAVAID.DBI", 'L', "nlat", "nlon", "", 0},
      {"NAVNDBID.DBI", 'F', "naid", "", "ntyp", 8},
      {"NAVNDBNM.DBI", 'F', "nnam", "", "ntyp", 8},
      {"NAVVORID.DBI", 'F', "naid", "", "ntyp", 1},
      {"NAVVORNM.DBI", 'F', "nnam", "", "ntyp", 1}}},
    {"RUNWAY",
     "Runway database",
     {"RUNWAY.DBD", "RUNWAY.DBI", "RUNWAY.DBT"},
     {{"RUNWAY.DBI", 'F', "rapt", "", "", 0}}},
    {"ATSROUTE", "Route database", {"ATSROUTE.DBD", "ATSROUTE.DBT"}, {}},
    {"OBSTRUCT",
     "Obstruction database",
     {"OBSTGLOB.DBI", "OBSTRUCT.DBD", "OBSTRUCT.DBT"},
     {{"OBSTGLOB.DBI", 'L', "olat", "olon", "", 0}}},
    {"WAYPOINT",
     "Waypoint database",
     {"WAYKEY.DBI", "WAYPOINT.DBD", "WAYPOINT.DBI", "WAYPOINT.DBT", "WPTNAME.DBI"},
     {{"WAYPOINT.DBI", 'L', "wlat", "wlon", "", 0},
      {"WAYKEY.DBI", 'F', "wkey", "", "", 0},
      {"WPTNAME.DBI", 'F', "wnam", "", "", 0}}},
};

std::unique_ptr<IndexGen> Generator(const TriDb& table, const IndexRow& row) {
    switch (row.kind) {
    case 'F':
        return std::make_unique<IndexGenField>(table, row.first);
    case 'L':
        return std::make_unique<IndexGenLatLon>(table, row.first, row.second);
    case 'M':
        return std::make_unique<IndexGenMulti>(table, row.first, row.second);
    default:
        return std::make_unique<IndexGenAica>(table);
    }
}

void RunMkfly2(const fs::path& folder, const std::string& options) {
    const std::string command =
        std::string(MKFLY2_PATH) + " " + folder.string() + " " + options + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

Bytes EntryBytes(const PodFile& pod, const std::string& name) {
    const PodEntryRef entry = pod.Find("DATABASE\\" + name);
    EXPECT_FALSE(entry.IsNull()) << name;
    return entry.IsNull() ? Bytes() : Bytes(entry.Data(), entry.Data() + entry.Size());
}

class Mkfly2 : public ::testing::Test {
protected:
    void SetUp() override {
        RunMkfly2(folder.Path(), "--records 60 --seed 7");
        fs::create_directories(folder.Path() / "DATABASE");
        for (const DatabaseRow& row : kDatabases)
            PodList::AddPod(std::string("SYSTEM\\") + row.base + ".POD");
    }
    void TearDown() override {
        PodList::CloseAllPods();
        DbClock::Release();
    }

    TempFlyFolder folder;
};

TEST_F(Mkfly2, ArchivesHoldTablesTemplatesAndTheIndexesTheImporterRebuilds) {
    DbClock::Fix(1136073600);
    for (const DatabaseRow& row : kDatabases) {
        PodFile pod;
        pod.Open(folder.Slashed() + "SYSTEM\\" + row.base + ".POD");
        ASSERT_EQ(pod.GetEntryCount(), static_cast<int>(row.packed.size())) << row.base;
        for (int i = 0; i < pod.GetEntryCount(); ++i)
            EXPECT_EQ(pod.GetEntry(i).name, "DATABASE\\" + row.packed[static_cast<size_t>(i)]);

        FlyFile file;
        PodList::OpenFlyFile(std::string("DATABASE\\") + row.base + ".DBD", file, true);
        TriDb table;
        table.Load(file);
        EXPECT_EQ(table.GetRecordCount(), 60) << row.base;
        table.CheckRecordSize();
        EXPECT_EQ(table.GetHeader()->GetDatabaseName(), std::string(row.base) + ".DBD");
        for (int i = 1; i < table.GetRecordCount(); ++i)
            EXPECT_LT(table.GetRecord(i - 1).GetFieldText(0), table.GetRecord(i).GetFieldText(0)) << row.base;
        // Each archived index is what the importer's own writer makes of the archived table.
        CapturedOutput quiet;
        for (const IndexRow& index : row.indexes) {
            const auto generator = Generator(table, index);
            table.CreateIndex(index.file, *generator,
                              *index.filter ? std::optional<std::string>(index.filter) : std::nullopt,
                              index.mask);
            EXPECT_EQ(EntryBytes(pod, index.file), ReadBytes(folder.Path() / "DATABASE" / index.file))
                << index.file;
        }
    }
}

TEST_F(Mkfly2, DexFilesLoadBackAndMergeIntoTheirTables) {
    for (const DatabaseRow& row : kDatabases) {
        FlyFile dexFile;
        dexFile.OpenDisk(folder.Slashed() + "dex/" + row.base + ".DEX");
        TriDb dex;
        dex.Load(dexFile);
        dex.CheckRecordSize();
        FlyFile tableFile;
        PodList::OpenFlyFile(std::string("DATABASE\\") + row.base + ".DBD", tableFile, true);
        TriDb table;
        table.Load(tableFile);
        CapturedOutput output;
        table.Merge(dex);
        EXPECT_EQ(table.GetRecordCount(), 60) << row.base; // +2 added, -2 deleted
        for (const char* line : {"Replacing record", "Adding record", "Deleting record", "already deleted."})
            EXPECT_NE(output.text.find(line), std::string::npos) << row.base << ": " << line;
    }
}

TEST_F(Mkfly2, SpecialDexFiles) {
    const auto load = [&](TriDb& dex, const std::string& name) {
        FlyFile file;
        file.OpenDisk(folder.Slashed() + "dex/" + name);
        dex.Load(file);
    };
    TriDb old;
    load(old, "OLD_NAVAID.DEX");
    EXPECT_EQ(old.GetHeader()->GetRecordSize() + 8, old.GetTemplate().GetRecordSize());
    EXPECT_THROW(old.CheckRecordSize(), ZorException);

    TriDb unsafe;
    try {
        load(unsafe, "UNSAFE_NAME.DEX");
        FAIL();
    } catch (const ZorException& e) {
        EXPECT_EQ(e.code, 0x2000Cu);
    }

    TriDb runways;
    load(runways, "RUNWAY_MISMATCH.DEX");
    FlyFile tableFile;
    PodList::OpenFlyFile("DATABASE\\RUNWAY.DBD", tableFile, true);
    TriDb table;
    table.Load(tableFile);
    int mismatched = 0;
    for (int d = 0; d < runways.GetRecordCount(); ++d) {
        const TriDbRecord& r = runways.GetRecord(d);
        for (int t = 0; t < table.GetRecordCount(); ++t) {
            const TriDbRecord& s = table.GetRecord(t);
            if (r.GetFieldText("rapt") == s.GetFieldText("rapt") &&
                r.GetFieldText("rhid") == s.GetFieldText("rhid"))
                mismatched += r.GetFieldText("rkey") != s.GetFieldText("rkey");
        }
    }
    EXPECT_EQ(mismatched, 3);
}

TEST(Mkfly2Output, SameSeedSameBytesOtherSeedOtherBytes) {
    const TempFlyFolder a, b, c;
    RunMkfly2(a.Path(), "--records 30 --seed 3");
    RunMkfly2(b.Path(), "--records 30 --seed 3");
    RunMkfly2(c.Path(), "--records 30 --seed 4");
    for (const char* file : {"SYSTEM\\AIRPORT.POD", "SYSTEM\\RUNWAY.POD", "DEX\\NAVAID.DEX"}) {
        const Bytes first = ReadBytes(NativePath(a.Slashed() + file));
        EXPECT_FALSE(first.empty()) << file;
        EXPECT_EQ(first, ReadBytes(NativePath(b.Slashed() + file))) << file;
        EXPECT_NE(first, ReadBytes(NativePath(c.Slashed() + file))) << file;
    }
}

} // namespace
