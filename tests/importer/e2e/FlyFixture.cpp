#include "FlyFixture.h"

#include "ImporterTestFiles.h"
#include "ProgramRun.h"
#include "db/TriDb.h"
#include "platform/NativeFs.h"
#include "pod/FlyFile.h"
#include "pod/PodFile.h"
#include "pod/PodList.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TemporaryRoot final : public ::testing::Environment {
  public:
    static fs::path Path() {
        static const fs::path root = [] {
            const fs::path path = fs::temp_directory_path() / ("navmerger-e2e-" + std::to_string(::getpid()));
            fs::remove_all(path);
            fs::create_directories(path);
            return path;
        }();
        return root;
    }
    void TearDown() override { fs::remove_all(Path()); }
};

[[maybe_unused]] ::testing::Environment* const cleanup =
    ::testing::AddGlobalTestEnvironment(new TemporaryRoot);

fs::path Template(uint32_t records) {
    static std::map<uint32_t, fs::path> made;
    const auto found = made.find(records);
    if (found != made.end())
        return found->second;
    const fs::path folder = TemporaryRoot::Path() / ("template-" + std::to_string(records));
    const ProgramResult result =
        RunProgram(MKFLY2_PATH, {folder.string(), "--records", std::to_string(records)});
    if (result.status != 0)
        throw std::runtime_error("mkfly2 failed: " + result.err);
    made[records] = folder;
    return folder;
}

} // namespace

namespace FlyFixture {

fs::path NewFolder(const std::string& name) {
    const fs::path folder = TemporaryRoot::Path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path NewInstallation(const std::string& name, uint32_t records) {
    const fs::path folder = NewFolder(name);
    // Into a folder that does not exist yet: copying a folder over an existing one fails with mingw's library.
    fs::remove(folder);
    fs::copy(Template(records), folder, fs::copy_options::recursive);
    return folder;
}

fs::path Find(const fs::path& folder, const std::string& name) {
    return NativePath((folder / "").string() + name);
}

bool Exists(const fs::path& folder, const std::string& name) {
    return fs::exists(Find(folder, name));
}

std::string ReadBytes(const fs::path& path) {
    return ReadText(path);
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    WriteText(path, bytes);
}

Archive ReadArchive(const fs::path& path) {
    PodFile pod;
    pod.Open(path.string());
    const std::string bytes = ReadBytes(path);
    Archive archive;
    archive.comment = bytes.substr(8, bytes.find('\0', 8) - 8);
    for (int i = 0; i < pod.GetEntryCount(); ++i) {
        const PodEntryRef entry = pod.GetEntry(i);
        archive.entries.push_back({entry.name,
                                   std::string(reinterpret_cast<const char*>(entry.Data()), entry.Size()),
                                   entry.Time()});
    }
    return archive;
}

} // namespace FlyFixture

namespace FlyFixture {

std::vector<std::vector<std::string>> ReadFields(const fs::path& fly, const std::string& table,
                                                 const std::vector<std::string>& codes) {
    PodList::SetFlyFolder(fly.string());
    for (const char* name :
         {"AIRPORT", "COMM", "ILS", "NAVAID", "RUNWAY", "ATSROUTE", "OBSTRUCT", "WAYPOINT"})
        PodList::AddPod(std::string("SYSTEM\\") + name + ".POD");
    std::vector<std::vector<std::string>> rows;
    {
        FlyFile file;
        if (table.starts_with("DATABASE\\"))
            PodList::OpenFlyFile(table, file, false);
        else
            file.OpenDisk(table);
        TriDb db;
        db.Load(file);
        for (int i = 0; i < db.GetRecordCount(); ++i) {
            std::vector<std::string> row;
            for (const std::string& code : codes)
                row.push_back(db.GetRecord(i).GetFieldText(code));
            rows.push_back(row);
        }
    }
    PodList::CloseAllPods();
    return rows;
}

std::vector<std::string> EntryNames(const Archive& archive) {
    std::vector<std::string> names;
    for (const ArchiveEntry& entry : archive.entries)
        names.push_back(entry.name);
    return names;
}

const ArchiveEntry* FindEntry(const Archive& archive, const std::string& name) {
    for (const ArchiveEntry& entry : archive.entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

} // namespace FlyFixture
