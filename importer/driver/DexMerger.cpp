#include "driver/DexMerger.h"

#include "db/TriDb.h"
#include "db/TriDexHeader.h"
#include "driver/IndexGenerator.h"
#include "driver/MessageSink.h"
#include "driver/ZorException.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "pod/FlyFile.h"
#include "pod/MappedFile.h"
#include "pod/PodList.h"
#include "pod/PodWriter.h"

#include <memory>

namespace {

constexpr uint32_t notADirectoryCode = 0x30001;
constexpr uint32_t unknownDatabaseCode = 0x30002;

// X.TRI becomes a full copy of X.POD, written under a temporary name and flushed before it gets its
// name, so that an interrupted backup never passes for a finished one.
void BackUpArchive(const std::string& pod, const std::string& tri) {
    MappedFile source;
    source.Open(pod);
    OutputFile backup;
    int error = backup.Create(tri, true);
    if (error == 0)
        error = backup.Write(source.Data(), source.Size());
    if (error == 0)
        error = backup.Commit(false);
    if (error != 0)
        throw ZorException("DexMerger", __LINE__, static_cast<uint32_t>(error),
                           FormatMessage("Error copying %s to %s", pod.c_str(), tri.c_str()));
}

} // namespace

DexMerger::DexMerger(const std::optional<std::string>& folder) {
    PodList::SetFlyFolder(folder);
    for (const NavDatabase& database : NavDatabase::All())
        PodList::AddPod(database.archive);
    const std::string databaseFolder = PodList::FullName("DATABASE");
    if (!PathExists(databaseFolder)) {
        if (const int error = CreateFolder(databaseFolder))
            throw ZorException("DexMerger", __LINE__, static_cast<uint32_t>(error),
                               "Unable to create DATABASE directory");
    } else if (!IsFolder(databaseFolder)) {
        throw ZorException("DexMerger", __LINE__, notADirectoryCode, "DATABASE is not a directory");
    }
}

void DexMerger::Import(const std::string& dexName, bool updateSizes, bool matchRunways, bool keepFiles) {
    deleteLooseFiles = !keepFiles;
    const NavDatabase& database = DatabaseOf(dexName);
    if (updateSizes)
        UpdateDexSize(dexName);
    if (matchRunways)
        RepairRunwayKeys(dexName);

    MergeIntoTable(dexName);
    RebuildIndexes(database);
    PackArchive(database);
    PodList::CloseAllPods();
    ReplaceArchive(database);
    MessageSink::Printf("Database merge successful!\n");
}

// The DEX table and the merged table live only here, so that the index rebuild that follows doesn't hold
// them in memory beside the table it loads again.
void DexMerger::MergeIntoTable(const std::string& dexName) {
    FlyFile dexFile;
    dexFile.OpenDisk(dexName);
    TriDb dex;
    dex.Load(dexFile);
    dex.CheckRecordSize();
    const std::string tableName = "DATABASE\\" + dex.GetHeader()->GetDatabaseName();
    MessageSink::Printf("Adding to database %s\n", tableName.c_str());

    FlyFile tableFile;
    PodList::OpenFlyFile(tableName, tableFile, false);
    TriDb table;
    table.Load(tableFile);
    tableFile.Reset();
    table.CheckRecordSize();
    table.Merge(dex);
    table.SortByKey();
    table.Save(PodList::FullName(tableName));
}

// Refuses, before anything is written, a DEX file for a table that is none of the eight databases.
const NavDatabase& DexMerger::DatabaseOf(const std::string& dexName) {
    FlyFile dexFile;
    dexFile.OpenDisk(dexName);
    std::string name;
    if (UpperAscii(dexName).ends_with(".DEX") && dexFile.size >= TriDexHeader::kLength) {
        TriDexHeader header;
        header.ReadFromMemory(dexFile.data);
        name = header.GetDatabaseName();
    } else {
        TriDb table; // raises what loading such a file raises
        table.Load(dexFile);
        name = table.GetHeader()->GetDatabaseName();
    }
    const NavDatabase* database = NavDatabase::Find(UpperAscii(name));
    if (database == nullptr)
        throw ZorException(
            "DexMerger", __LINE__, unknownDatabaseCode,
            FormatMessage("%s is for database \"%s\", which is none of AIRPORT.DBD, COMM.DBD, "
                          "ILS.DBD, NAVAID.DBD, RUNWAY.DBD, ATSROUTE.DBD, OBSTRUCT.DBD, WAYPOINT.DBD",
                          dexName.c_str(), name.c_str()));
    return *database;
}

void DexMerger::RebuildIndexes(const NavDatabase& database) {
    if (database.indexes.empty())
        return;
    MessageSink::Printf("%s", database.indexProgress.c_str());
    FlyFile tableFile;
    PodList::OpenFlyFile("DATABASE\\" + database.table, tableFile, false);
    TriDb table;
    table.Load(tableFile);
    for (const NavIndex& index : database.indexes) {
        const std::unique_ptr<IndexGen> generator = MakeIndexGenerator(table, index);
        std::optional<std::string> filter;
        if (!index.filterCode.empty())
            filter = index.filterCode;
        table.CreateIndex(index.file, *generator, filter, index.filterMask);
    }
}

void DexMerger::PackArchive(const NavDatabase& database) {
    if (!deleteLooseFiles)
        PodList::ExtractFlyFile("DATABASE\\" + database.BaseName() + "DBT", false);
    BuildPod(database.tmpName, database.description, database.packedFiles);
}

void DexMerger::BuildPod(const std::string& tmpName, const std::string& description,
                         const std::vector<std::string>& files) {
    const std::string target = PodList::FullName("SYSTEM\\" + tmpName);
    MessageSink::Printf("Building %s\n", tmpName.substr(0, tmpName.find('.')).c_str());
    PodWriter writer;
    writer.InitPod3(description, 1000, 1000, "Generated by Navmerger", "No Copyright");
    for (const std::string& file : files) {
        FlyFile image;
        PodList::OpenFlyFile("DATABASE\\" + file, image, false);
        writer.Add(image);
    }
    writer.Write(target);
    if (deleteLooseFiles) {
        for (const std::string& file : files)
            RemoveFile(PodList::FullName("DATABASE\\" + file));
    }
}

// The simulator must find X.POD whenever this process dies: the new archive replaces the old one in a
// single rename, and the first backup is a copy, never a move.
void DexMerger::ReplaceArchive(const NavDatabase& database) {
    const std::string base = "SYSTEM\\" + database.BaseName();
    const std::string tri = PodList::FullName(base + "TRI");
    const std::string pod = PodList::FullName(base + "POD");
    const std::string tmp = PodList::FullName(base + "TMP");
    if (!PathExists(tri)) {
        MessageSink::Printf("Backing up %s to %s\n", pod.c_str(), tri.c_str());
        BackUpArchive(pod, tri);
    }
    if (const int error = RenameReplacing(tmp, pod))
        throw ZorException("DexMerger", __LINE__, static_cast<uint32_t>(error),
                           FormatMessage("Error moving %s to %s", tmp.c_str(), pod.c_str()));
}
