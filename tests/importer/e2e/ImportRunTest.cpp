// Whole imports: output, archives, backups and loose files left behind.
#include "FlyFixture.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;
using namespace FlyFixture;

namespace {

ProgramResult Navmerger(const fs::path& fly, std::vector<std::string> args) {
    args.insert(args.begin(), {"-F", fly.string()});
    return RunProgram(NAVMERGER_PATH, args, fly.string());
}

std::vector<std::string> Prefixed(const std::string& prefix, const std::vector<std::string>& names) {
    std::vector<std::string> result;
    for (const std::string& name : names)
        result.push_back(prefix + name);
    return result;
}

#ifndef _WIN32 // no inode numbers there
ino_t InodeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}
#endif

std::vector<std::string> KeysOf(const fs::path& fly, const std::string& dex, const std::string& code) {
    std::vector<std::string> keys;
    for (const auto& row : ReadFields(fly, (fly / dex).string(), {code}))
        keys.push_back(row[0]);
    return keys;
}

TEST(ImportRunTest, TypicalAirportImportPrintsExactlyTheseLines) {
    const fs::path fly = NewInstallation("typical-airport");
    const std::vector<std::string> keys = KeysOf(fly, "dex/AIRPORT.DEX", "akey");
    ASSERT_EQ(keys.size(), 8u);
    const std::string folder = fly.string() + "/";
    std::vector<std::string> expected = {Shown("Adding to database DATABASE/AIRPORT.DBD\n"),
                                         "Replacing record " + keys[0] + "\n",
                                         "Replacing record " + keys[1] + "\n",
                                         "Adding record A201\n",
                                         "Adding record A202\n",
                                         "Replacing record A201\n",
                                         "Deleting record " + keys[5] + "\n",
                                         "Deleting record " + keys[6] + "\n",
                                         "Record A1201 already deleted.\n",
                                         "Rebuilding Airport index\n"};
    for (const char* index :
         {"AIRPORT", "APRTCTRY", "APRTFAA", "APRTNAME", "APRTGLOB", "APRTSTAT", "APRTICAO"})
        expected.push_back("Creating index file " + Shown(folder + "DATABASE/" + index + ".DBI\n"));
    expected.push_back("Building AIRPORT\n");
    // Paths as on disk: mkfly2 names the folder in lower case.
    expected.push_back(Shown("Backing up " + folder + "system/AIRPORT.POD to " + folder + "system/AIRPORT.TRI\n"));
    expected.push_back("Database merge successful!\n");

    const ProgramResult run = Navmerger(fly, {"dex/AIRPORT.DEX"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Lines(run.out), expected);

    const Archive archive = ReadArchive(Find(fly, "SYSTEM\\AIRPORT.POD"));
    EXPECT_EQ(archive.comment, "Airport database");
    EXPECT_EQ(EntryNames(archive), Prefixed("DATABASE\\", {"AIRPORT.DBD", "AIRPORT.DBI", "AIRPORT.DBT",
                                                           "APRTCTRY.DBI", "APRTFAA.DBI", "APRTGLOB.DBI",
                                                           "APRTICAO.DBI", "APRTNAME.DBI", "APRTSTAT.DBI"}));
}

TEST(ImportRunTest, FirstImportBacksTheArchiveUpAndLaterOnesKeepThatBackup) {
    const fs::path fly = NewInstallation("ils-twice");
    const std::string original = ReadBytes(Find(fly, "SYSTEM\\ILS.POD"));
    const Archive old = ReadArchive(Find(fly, "SYSTEM\\ILS.POD"));

    const ProgramResult first = Navmerger(fly, {"dex/ILS.DEX"});
    ASSERT_EQ(first.status, 0) << first.out;
    EXPECT_NE(first.out.find("Backing up "), std::string::npos);
    EXPECT_EQ(ReadBytes(Find(fly, "SYSTEM\\ILS.TRI")), original);
    const std::string afterFirst = ReadBytes(Find(fly, "SYSTEM\\ILS.POD"));
    EXPECT_NE(afterFirst, original);

    const Archive archive = ReadArchive(Find(fly, "SYSTEM\\ILS.POD"));
    EXPECT_EQ(archive.comment, "ILS database");
    EXPECT_EQ(EntryNames(archive),
              Prefixed("DATABASE\\", {"ILS.DBD", "ILS.DBI", "ILS.DBT", "ILSGLOB.DBI", "ILSLOCAL.DBI"}));
    // The template went from the old archive into the new one without a detour through the disk.
    const ArchiveEntry* oldTemplate = FindEntry(old, "DATABASE\\ILS.DBT");
    const ArchiveEntry* newTemplate = FindEntry(archive, "DATABASE\\ILS.DBT");
    ASSERT_TRUE(oldTemplate && newTemplate);
    EXPECT_EQ(newTemplate->bytes, oldTemplate->bytes);
    EXPECT_EQ(newTemplate->time, oldTemplate->time);
    for (const char* file : {"ILS.DBD", "ILS.DBT", "ILS.DBI", "ILSGLOB.DBI", "ILSLOCAL.DBI", "ILS.TMP"})
        EXPECT_FALSE(Exists(fly, std::string("DATABASE\\") + file)) << file;
    EXPECT_FALSE(Exists(fly, "SYSTEM\\ILS.TMP"));

    const auto backupTime = fs::last_write_time(Find(fly, "SYSTEM\\ILS.TRI"));
#ifndef _WIN32
    const ino_t firstArchive = InodeOf(Find(fly, "SYSTEM\\ILS.POD"));
#endif
    const ProgramResult second = Navmerger(fly, {"dex/ILS.DEX"});
    ASSERT_EQ(second.status, 0) << second.out;
    EXPECT_EQ(second.out.find("Backing up "), std::string::npos);
    EXPECT_EQ(ReadBytes(Find(fly, "SYSTEM\\ILS.TRI")), original);
    EXPECT_EQ(fs::last_write_time(Find(fly, "SYSTEM\\ILS.TRI")), backupTime);
#ifndef _WIN32
    EXPECT_NE(InodeOf(Find(fly, "SYSTEM\\ILS.POD")), firstArchive) << "the new archive was not moved in";
#endif
    EXPECT_EQ(EntryNames(ReadArchive(Find(fly, "SYSTEM\\ILS.POD"))), EntryNames(archive));
}

TEST(ImportRunTest, KeepOptionLeavesTheWholeDatabaseLoose) {
    const fs::path fly = NewInstallation("ils-keep");
    const Archive old = ReadArchive(Find(fly, "SYSTEM\\ILS.POD"));
    const ProgramResult run = Navmerger(fly, {"-Kx", "dex/ILS.DEX"});
    ASSERT_EQ(run.status, 0) << run.out;
    const Archive archive = ReadArchive(Find(fly, "SYSTEM\\ILS.POD"));
    for (const ArchiveEntry& entry : archive.entries)
        EXPECT_EQ(ReadBytes(Find(fly, entry.name)), entry.bytes) << entry.name;
    EXPECT_EQ(ReadBytes(Find(fly, "DATABASE\\ILS.DBT")), FindEntry(old, "DATABASE\\ILS.DBT")->bytes);
    EXPECT_EQ(archive.entries.size(), 5u);
}

TEST(ImportRunTest, LooseTableIsTheOneMerged) {
    const fs::path fly = NewInstallation("loose-runway");
    const Archive old = ReadArchive(Find(fly, "SYSTEM\\RUNWAY.POD"));
    // A loose table without records: the updates of existing runways find nothing to replace or delete.
    std::string emptyTable = FindEntry(old, "DATABASE\\RUNWAY.DBD")->bytes.substr(0, 56);
    emptyTable.replace(16, 4, std::string(4, '\0'));
    fs::create_directories(fly / "DATABASE");
    WriteBytes(fly / "DATABASE" / "RUNWAY.DBD", emptyTable);

    const ProgramResult run = Navmerger(fly, {"dex/RUNWAY.DEX"});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("Replacing record R"), run.out.find("Replacing record R201")) << run.out;
    EXPECT_EQ(run.out.find("Deleting record"), std::string::npos) << run.out;
    const Archive archive = ReadArchive(Find(fly, "SYSTEM\\RUNWAY.POD"));
    EXPECT_EQ(EntryNames(archive), Prefixed("DATABASE\\", {"RUNWAY.DBD", "RUNWAY.DBI", "RUNWAY.DBT"}));
    const std::string& table = FindEntry(archive, "DATABASE\\RUNWAY.DBD")->bytes;
    EXPECT_EQ(table[16], 4) << "two replacements and two additions of the update, nothing else";
    EXPECT_FALSE(Exists(fly, "DATABASE\\RUNWAY.DBD"));
}

TEST(ImportRunTest, RouteImportWritesNoIndexAndPacksTwoFiles) {
    const fs::path fly = NewInstallation("route");
    const ProgramResult run = Navmerger(fly, {"dex/ATSROUTE.DEX"});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("index"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Building ATSROUTE\n"), std::string::npos) << run.out;
    const Archive archive = ReadArchive(Find(fly, "SYSTEM\\ATSROUTE.POD"));
    EXPECT_EQ(archive.comment, "Route database");
    EXPECT_EQ(EntryNames(archive), Prefixed("DATABASE\\", {"ATSROUTE.DBD", "ATSROUTE.DBT"}));
    EXPECT_TRUE(fs::is_empty(Find(fly, "DATABASE")));
}

std::vector<std::string> ImportedTables(const std::string& out) {
    std::vector<std::string> tables;
    for (const std::string& line : Lines(out))
        if (line.starts_with("Adding to database "))
            tables.push_back(line.substr(19));
    return tables;
}

TEST(ImportRunTest, ListFilesImportInCommandLineOrder) {
    const fs::path fly = NewInstallation("list-order");
    WriteBytes(fly / "list.txt", "\r\n  dex/COMM.DEX \r\n\r\n\tdex/RUNWAY.DEX\t\r\n   \r\n");
    const ProgramResult run = Navmerger(fly, {"dex/ATSROUTE.DEX", "@list.txt", "dex/ILS.DEX"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(ImportedTables(run.out),
              (std::vector<std::string>{Shown("DATABASE/ATSROUTE.DBD\n"), Shown("DATABASE/COMM.DBD\n"),
                                        Shown("DATABASE/RUNWAY.DBD\n"), Shown("DATABASE/ILS.DBD\n")}));
    for (const char* archive : {"ATSROUTE", "COMM", "RUNWAY", "ILS"})
        EXPECT_TRUE(Exists(fly, std::string("SYSTEM\\") + archive + ".TRI")) << archive;
}

TEST(ImportRunTest, ErrorInTheSecondFileStopsTheRunWithOneReport) {
    const fs::path fly = NewInstallation("second-fails");
    const std::string ils = ReadBytes(Find(fly, "SYSTEM\\ILS.POD"));
    // A first-release update without -S: its record size is not its template's.
    const ProgramResult run = Navmerger(fly, {"dex/COMM.DEX", "dex/OLD_NAVAID.DEX", "dex/ILS.DEX"});
    EXPECT_EQ(run.status, 5);
    const size_t report = run.out.find("An error has occurred:\n");
    ASSERT_NE(report, std::string::npos) << run.out;
    EXPECT_EQ(ImportedTables(run.out.substr(0, report)), std::vector<std::string>{Shown("DATABASE/COMM.DBD\n")});
    EXPECT_TRUE(Matches(run.out.substr(report),
                        "An error has occurred:\n*OLD_NAVAID.DEX specifies [0-9]* bytes, "
                        "DATABASE?NAVAID.DBT specifies [0-9]* bytes\n"
                        "Error code 0x20005 in TriDb, line 421\n"))
        << run.out.substr(report);
    EXPECT_TRUE(Exists(fly, "SYSTEM\\COMM.TRI"));
    EXPECT_FALSE(Exists(fly, "SYSTEM\\NAVAID.TRI"));
    EXPECT_FALSE(Exists(fly, "SYSTEM\\ILS.TRI"));
    EXPECT_EQ(ReadBytes(Find(fly, "SYSTEM\\ILS.POD")), ils);
}

TEST(ImportRunTest, UpdateForAnUnknownDatabaseIsRefusedBeforeAnythingIsWritten) {
    const fs::path fly = NewInstallation("unknown-database");
    std::string dex = ReadBytes(fly / "dex" / "RUNWAY.DEX");
    dex.replace(0, 32, std::string("TAXIWAY.DBD") + std::string(21, '\0'));
    WriteBytes(fly / "dex" / "TAXIWAY.DEX", dex);
    const std::string unsafe = ReadBytes(fly / "dex" / "UNSAFE_NAME.DEX");
    const fs::file_time_type systemTime = fs::last_write_time(Find(fly, "SYSTEM"));

    for (const std::string name : {"dex/TAXIWAY.DEX", "dex/UNSAFE_NAME.DEX"}) {
        const ProgramResult run = Navmerger(fly, {"-1", "-K", name});
        EXPECT_NE(run.out.find("An error has occurred:\n" + Shown(name) + " is for database \""), std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("Error code 0x30002 in DexMerger"), std::string::npos) << run.out;
        EXPECT_EQ(run.status, 2);
    }
    EXPECT_EQ(ReadBytes(fly / "dex" / "TAXIWAY.DEX"), dex);
    EXPECT_EQ(ReadBytes(fly / "dex" / "UNSAFE_NAME.DEX"), unsafe);
    EXPECT_TRUE(fs::is_empty(Find(fly, "DATABASE")));
    EXPECT_EQ(fs::last_write_time(Find(fly, "SYSTEM")), systemTime);
}

TEST(ImportRunTest, DatabaseThatIsAFileStopsTheRun) {
    const fs::path fly = NewInstallation("database-file");
    WriteBytes(fly / "database", "not a folder");
    const ProgramResult run = Navmerger(fly, {"dex/ILS.DEX"});
    EXPECT_TRUE(Matches(run.out, "An error has occurred:\nDATABASE is not a directory\n"
                                 "Error code 0x30001 in DexMerger, line [0-9]*\n"))
        << run.out;
    EXPECT_EQ(run.status, 1);
}

} // namespace
