#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A path as the importer shows it in messages on this system (ImporterTestFiles.h; its ReadBytes would
// clash with the one below).
std::string Shown(std::string path);

// Synthetic simulator installations made by mkfly2, one per test, in a temporary folder that is
// removed when the tests end.
namespace FlyFixture {

// A new folder below the run's temporary folder.
std::filesystem::path NewFolder(const std::string& name);
// A fresh installation (a copy of one mkfly2 run per record count, made once).
std::filesystem::path NewInstallation(const std::string& name, uint32_t records = 200);

// The native path of a name below folder given in the simulator's form (SYSTEM\AIRPORT.POD, any case).
std::filesystem::path Find(const std::filesystem::path& folder, const std::string& name);
bool Exists(const std::filesystem::path& folder, const std::string& name);

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// One archive as the simulator sees it.
struct ArchiveEntry {
    std::string name;
    std::string bytes;
    uint32_t time = 0;
};
struct Archive {
    std::string comment;
    std::vector<ArchiveEntry> entries; // in directory order
};
// Opens the archive with the importer's own reader (raises ZorException when it is damaged).
Archive ReadArchive(const std::filesystem::path& path);

// The texts of the given fields for every record of a table: a DEX file on disk (a path) or a table
// of the installation (DATABASE\X.DBD, loose or archived), read with the importer's own classes.
std::vector<std::vector<std::string>> ReadFields(const std::filesystem::path& fly, const std::string& table,
                                                 const std::vector<std::string>& codes);

// The archive's entry names, in directory order.
std::vector<std::string> EntryNames(const Archive& archive);
const ArchiveEntry* FindEntry(const Archive& archive, const std::string& name);

} // namespace FlyFixture
