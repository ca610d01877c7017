#pragma once

#include "driver/NavDatabase.h"

#include <optional>
#include <string>
#include <vector>

class ImportTransaction;
class TriDb;

// One import: merges a DEX file into its database table, rebuilds the table's index files, packs them
// into a new archive and puts it in place of the simulator's, keeping the first archive as X.TRI. The
// import is one transaction (ImportTransaction): interrupted or failed, it leaves the database as it was.
class DexMerger final {
  public:
    // Fixes the simulator folder (none: the stored setting or the prompt), finishes or undoes what an
    // interrupted import left, opens the eight archives and makes sure DATABASE is a folder. For a
    // preview only what reads: no recovery, no DATABASE folder made, a prompted folder not stored.
    explicit DexMerger(const std::optional<std::string>& folder, bool preview = false);

    void Import(const std::string& dexName, bool updateSizes, bool matchRunways, bool keepFiles);
    // What Import prints up to the end of the merge, from the merge made in memory; writes nothing.
    void Preview(const std::string& dexName);
    // -S: widens a first-release DEX file to its template's record size; true when it was rewritten.
    bool UpdateDexSize(const std::string& dexName);
    // -R: gives the records of a runway DEX file the keys of the database's runways with the same
    // airport and runway identifier.
    void RepairRunwayKeys(const std::string& dexName);
    // Packs DATABASE\<files> into SYSTEM\<tmpName>: each from the import's work file when it wrote one,
    // else the loose file, else the archived one. What becomes of the loose files is the import's.
    void BuildPod(const std::string& tmpName, const std::string& description,
                  const std::vector<std::string>& files, const ImportTransaction* work = nullptr);
    // Writes every index file of the database from its table (loose file first, then the archive); within
    // an import, from the import's saved table to its work files, or from merged, the table in the order
    // it was saved in.
    static void RebuildIndexes(const NavDatabase& database, ImportTransaction* work = nullptr,
                               TriDb* merged = nullptr);

  private:
    static const NavDatabase& DatabaseOf(const std::string& dexName);
    static void MergeIntoTable(const std::string& dexName, const NavDatabase& database, ImportTransaction& work,
                               TriDb& table);
    static std::string MergeInMemory(const std::string& dexName, const NavDatabase& database, TriDb& table);
    static void SortAndValidate(TriDb& table, const NavDatabase& database);
    void PackArchive(const NavDatabase& database, ImportTransaction& work);

    bool deleteLooseFiles = true;
};
