#pragma once

#include "driver/NavDatabase.h"

#include <optional>
#include <string>
#include <vector>

// One import: merges a DEX file into its database table, rebuilds the table's index files, packs them
// into a new archive and puts it in place of the simulator's, keeping the first archive as X.TRI.
class DexMerger final {
  public:
    // Fixes the simulator folder (none: the stored setting or the prompt), opens the eight archives
    // and makes sure DATABASE is a folder.
    explicit DexMerger(const std::optional<std::string>& folder);

    void Import(const std::string& dexName, bool updateSizes, bool matchRunways, bool keepFiles);
    // -S: widens a first-release DEX file to its template's record size; true when it was rewritten.
    bool UpdateDexSize(const std::string& dexName);
    // -R: gives the records of a runway DEX file the keys of the database's runways with the same
    // airport and runway identifier.
    void RepairRunwayKeys(const std::string& dexName);
    // Packs DATABASE\<files> into SYSTEM\<tmpName>; deletes the loose files unless they are kept.
    void BuildPod(const std::string& tmpName, const std::string& description,
                  const std::vector<std::string>& files);
    // Writes every index file of the database from its table (loose file first, then the archive).
    static void RebuildIndexes(const NavDatabase& database);

  private:
    static const NavDatabase& DatabaseOf(const std::string& dexName);
    static void MergeIntoTable(const std::string& dexName);
    void PackArchive(const NavDatabase& database);
    static void ReplaceArchive(const NavDatabase& database);

    bool deleteLooseFiles = true;
};
