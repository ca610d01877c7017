#include "InstallationState.h"

#include "FlyFixture.h"
#include "platform/AsciiCase.h"

#include <algorithm>
#include <cstring>

namespace fs = std::filesystem;

namespace {

// Tables and indexes carry the time they were written at offset 12.
std::string WithoutTime(const std::string& name, std::string bytes) {
    const std::string upper = UpperAscii(name);
    if ((upper.ends_with(".DBD") || upper.ends_with(".DBI")) && bytes.size() >= 16)
        std::memset(bytes.data() + 12, 0, 4);
    return bytes;
}

// An archive's comment and entries (names and contents, in directory order), without the entry times.
std::string ArchiveContents(const fs::path& path) {
    const FlyFixture::Archive archive = FlyFixture::ReadArchive(path);
    std::string text = archive.comment + '\n';
    for (const FlyFixture::ArchiveEntry& entry : archive.entries) {
        const std::string bytes = WithoutTime(entry.name, entry.bytes);
        text += entry.name + '\n' + std::to_string(bytes.size()) + '\n' + bytes;
    }
    return text;
}

bool IsArchive(const std::string& name) {
    const std::string upper = UpperAscii(name);
    return upper.ends_with(".POD") || upper.ends_with(".TRI");
}

} // namespace

namespace InstallationState {

Files Snapshot(const fs::path& fly) {
    Files files;
    for (const char* folder : {"SYSTEM", "DATABASE"}) {
        if (!FlyFixture::Exists(fly, folder))
            continue;
        const fs::path native = FlyFixture::Find(fly, folder);
        for (const fs::directory_entry& entry : fs::directory_iterator(native)) {
            const std::string name = entry.path().filename().string();
            const std::string key = native.filename().string() + "/" + name;
            files[key] = IsArchive(name) && entry.is_regular_file()
                             ? ArchiveContents(entry.path())
                             : WithoutTime(name, FlyFixture::ReadBytes(entry.path()));
        }
    }
    return files;
}

Files ReaderView(const fs::path& fly, const std::string& pod, const std::vector<std::string>& files) {
    const FlyFixture::Archive archive = FlyFixture::ReadArchive(FlyFixture::Find(fly, "SYSTEM\\" + pod));
    Files view;
    for (const std::string& file : files) {
        const std::string name = "DATABASE\\" + file;
        if (FlyFixture::Exists(fly, name)) {
            view[name] = WithoutTime(file, FlyFixture::ReadBytes(FlyFixture::Find(fly, name)));
        } else if (const FlyFixture::ArchiveEntry* entry = FlyFixture::FindEntry(archive, name)) {
            view[name] = WithoutTime(file, entry->bytes);
        }
    }
    return view;
}

std::vector<std::string> Records(const std::string& table) {
    std::vector<std::string> records;
    if (table.size() < 56)
        return records;
    int32_t count = 0;
    int32_t size = 0;
    std::memcpy(&count, table.data() + 16, 4);
    std::memcpy(&size, table.data() + 20, 4);
    for (int32_t i = 0; i < count && size > 0 && 56 + uint64_t(i + 1) * size <= table.size(); ++i)
        records.push_back(table.substr(56 + size_t(i) * size, size_t(size)));
    std::sort(records.begin(), records.end());
    return records;
}

} // namespace InstallationState
