#include "driver/DexMerger.h"

#include "base/ErrorCodes.h"
#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "db/IndexGenLatLon.h"
#include "db/TableFileReader.h"
#include "db/TriDb.h"
#include "db/TriDexHeader.h"
#include "driver/ImportTransaction.h"
#include "driver/IndexGenFactory.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "pod/FlyFile.h"
#include "pod/FlyFolder.h"
#include "pod/PodList.h"
#include "pod/PodWriter.h"

#include <memory>
#include <vector>

DexMerger::DexMerger(const std::optional<std::string>& folder, bool preview) {
    PodList::SetFlyFolder(folder, !preview);
    if (!preview)
        ImportTransaction::RecoverInterrupted();
    for (const NavDatabase& database : NavDatabase::All())
        PodList::AddPod(database.archive);
    const std::string databaseFolder = FlyFolder::FullName("DATABASE");
    if (!PathExists(databaseFolder)) {
        if (preview)
            return;
        if (const int error = CreateFolder(databaseFolder))
            throw ZorException("DexMerger", 33, static_cast<uint32_t>(error),
                               "Unable to create DATABASE directory");
    } else if (!IsFolder(databaseFolder)) {
        throw ZorException("DexMerger", 36, ErrorCode::kDatabaseNotAFolder, "DATABASE is not a directory");
    }
}

void DexMerger::Import(const std::string& dexName, bool updateSizes, bool matchRunways, bool keepFiles) {
    deleteLooseFiles = !keepFiles;
    const NavDatabase& database = DatabaseOf(dexName);
    if (updateSizes)
        UpdateDexSize(dexName);
    if (matchRunways)
        RepairRunwayKeys(dexName);

    ImportTransaction work(database, keepFiles);
    {
        // Its records are views into the archive's table: it ends before the archives close.
        TriDb table;
        MergeIntoTable(dexName, database, work, table);
        RebuildIndexes(database, &work, &table);
    }
    PackArchive(database, work);
    PodList::CloseAllPods();
    work.Commit();
    MessageSink::Printf("Database merge successful!\n");
}

void DexMerger::Preview(const std::string& dexName) {
    const NavDatabase& database = DatabaseOf(dexName);
    {
        TriDb table;
        MergeInMemory(dexName, database, table);
    }
    PodList::CloseAllPods();
}

// Leaves in table the merged records as views of the saved work file, which the index rebuild reads.
// The records shared with the archive's table end here.
void DexMerger::MergeIntoTable(const std::string& dexName, const NavDatabase& database, ImportTransaction& work,
                               TriDb& table) {
    const std::string tableName = MergeInMemory(dexName, database, table);
    const std::string saved = work.WorkFile(database.table);
    table.Save(FlyFolder::FullName(tableName), saved, work.FlushesWorkFiles());
    work.Wrote(database.table);
    FlyFile image;
    image.OpenDisk(saved);
    table.ViewSaved(image);
}

// The merged table, sorted by key and checked for the index keys; returns its name below the Fly2 folder.
std::string DexMerger::MergeInMemory(const std::string& dexName, const NavDatabase& database, TriDb& table) {
    TriDb dex;
    TableFileReader dexFile;
    dexFile.Open(dexName, dex);
    dex.CheckRecordSize();
    const std::string tableName = "DATABASE\\" + dex.GetHeader()->GetDatabaseName();
    MessageSink::Printf("Adding to database %s\n", ShownPath(tableName, FlyFolder::Get()).c_str());

    FlyFile tableFile;
    PodList::OpenFlyFile(tableName, tableFile, false);
    table.Load(tableFile, true);
    tableFile.Reset();
    table.CheckRecordSize();
    table.Merge(dex, [&] { return dexFile.LoadNext(dex); });
    dex.Clear();
    SortAndValidate(table, database);
    return tableName;
}

// Refuses, before anything is written, a DEX file for a table that is none of the eight databases, and a
// database whose template gives no key to merge by.
const NavDatabase& DexMerger::DatabaseOf(const std::string& dexName) {
    FlyFile dexFile;
    dexFile.OpenDisk(dexName);
    std::string name;
    if (UpperAscii(dexName).ends_with(".DEX") && dexFile.size >= TriDexHeader::kLength) {
        TriDexHeader header;
        header.ReadFromMemory({dexFile.data, dexFile.size});
        name = header.GetDatabaseName();
    } else {
        TriDb table; // raises what loading such a file raises
        table.Load(dexFile);
        name = table.GetHeader()->GetDatabaseName();
    }
    const NavDatabase* database = NavDatabase::Find(UpperAscii(name));
    if (database == nullptr)
        throw ZorException(
            "DexMerger", 99, ErrorCode::kUnknownDatabase,
            FormatMessage("%s is for database \"%s\", which is none of AIRPORT.DBD, COMM.DBD, "
                          "ILS.DBD, NAVAID.DBD, RUNWAY.DBD, ATSROUTE.DBD, OBSTRUCT.DBD, WAYPOINT.DBD",
                          ShownPath(dexName).c_str(), name.c_str()));
    TriDbTemplate recordTemplate;
    recordTemplate.Load("DATABASE\\" + database->BaseName() + "DBT");
    recordTemplate.CheckKeyField();
    return *database;
}

// Sorts the merged table by key. A position that no index key can hold is refused before the table is
// written: the sort's pass over the records checks each on the way.
void DexMerger::SortAndValidate(TriDb& table, const NavDatabase& database) {
    std::vector<std::unique_ptr<IndexGenLatLon>> positions;
    for (const NavIndex& index : database.indexes) {
        if (index.kind == NavIndex::Kind::LatLon)
            positions.push_back(std::make_unique<IndexGenLatLon>(table, index.firstCode, index.secondCode));
    }
    table.SortByKey([&positions](const TriDbRecord& record) {
        for (const std::unique_ptr<IndexGenLatLon>& generator : positions)
            generator->ValidateRecord(record);
    });
}

void DexMerger::RebuildIndexes(const NavDatabase& database, ImportTransaction* work, TriDb* merged) {
    if (database.indexes.empty())
        return;
    MessageSink::Printf("%s", database.indexProgress.c_str());
    TriDb loaded;
    if (merged == nullptr) {
        FlyFile tableFile;
        if (work != nullptr)
            work->OpenPacked(database.table, tableFile);
        else
            PodList::OpenFlyFile("DATABASE\\" + database.table, tableFile, false);
        loaded.Load(tableFile, true);
    }
    TriDb& table = merged != nullptr ? *merged : loaded;
    for (const NavIndex& index : database.indexes) {
        const std::unique_ptr<IndexGen> generator = MakeIndexGen(table, index);
        std::optional<std::string> filter;
        if (!index.filterCode.empty())
            filter = index.filterCode;
        table.CreateIndex(index.file, *generator, filter, index.filterMask,
                          work != nullptr ? work->WorkFile(index.file) : std::string(),
                          work == nullptr || work->FlushesWorkFiles());
        if (work != nullptr)
            work->Wrote(index.file);
    }
}

void DexMerger::PackArchive(const NavDatabase& database, ImportTransaction& work) {
    if (!deleteLooseFiles) {
        const std::string dbt = database.BaseName() + "DBT";
        if (PodList::ExtractFlyFile("DATABASE\\" + dbt, false, work.WorkFile(dbt)))
            work.Wrote(dbt);
    }
    work.SurveyLooseFiles();
    BuildPod(database.tmpName, database.description, database.packedFiles, &work);
}

void DexMerger::BuildPod(const std::string& tmpName, const std::string& description,
                         const std::vector<std::string>& files, const ImportTransaction* work) {
    const std::string target = FlyFolder::FullName("SYSTEM\\" + tmpName);
    MessageSink::Printf("Building %s\n", tmpName.substr(0, tmpName.find('.')).c_str());
    PodWriter writer;
    // Nothing reads the two numbers of a version 3 header; 1000 each is what archives of this format carry.
    writer.InitPod3(description, 1000, 1000, "Generated by Navmerger", "No Copyright");
    for (const std::string& file : files) {
        FlyFile image;
        if (work != nullptr)
            work->OpenPacked(file, image);
        else
            PodList::OpenFlyFile("DATABASE\\" + file, image, false);
        writer.Add(image);
    }
    writer.Write(target);
}
