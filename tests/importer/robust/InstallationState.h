#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The database files of an installation as the fault tests compare them: the times of writing (table and
// index headers, archive directory times) are left out, everything else counts byte for byte.
namespace InstallationState {

// Native name below the installation ("system/AIRPORT.POD", "DATABASE/AIRPORT.DBD") -> contents.
using Files = std::map<std::string, std::string>;

// Every file of the SYSTEM and DATABASE folders. An archive that does not open throws ZorException.
Files Snapshot(const std::filesystem::path& fly);
// One database as a reader that looks loose files up first sees it: DATABASE\<file> -> contents, from
// the loose file, else from the archive (SYSTEM\<pod>), else missing.
Files ReaderView(const std::filesystem::path& fly, const std::string& pod, const std::vector<std::string>& files);
// The records of a table's contents (header counted as it says), sorted.
std::vector<std::string> Records(const std::string& table);

} // namespace InstallationState
