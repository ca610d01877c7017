#include "platform/NativeFs.h"

#include "platform/WideText.h"

#include <windows.h>

// Windows file systems ignore case themselves, so names need no lookup: only '/' becomes '\'.
namespace {

DWORD Attributes(const std::string& path) {
    return GetFileAttributesW(WideName(path).c_str());
}

int Result(BOOL done) {
    return done != 0 ? 0 : static_cast<int>(GetLastError());
}

// The name of the entry that exists at path, in its own case; empty when there is none.
std::string EntryName(const std::string& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(WideName(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    FindClose(search);
    return Narrow(found.cFileName);
}

} // namespace

std::string NativePath(const std::string& path) {
    return Narrow(WideName(path));
}

std::string RealPath(const std::string& path) {
    const std::wstring wide = WideName(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (size == 0 || length == 0 || length >= size)
        return {};
    full.resize(length);
    return PathExists(Narrow(full)) ? Narrow(full) : std::string();
}

// Backslashes, and each component that exists in the case it has on disk.
std::string ShownPath(const std::string& path, const std::string& folder) {
    const std::string native = NativePath(path);
    const std::string base = NativePath(folder);
    const bool relative = !base.empty() && native.find(':') == std::string::npos && !native.starts_with('\\');
    const std::string full = relative ? base + (base.ends_with('\\') ? "" : "\\") + native : native;
    std::string shown;
    size_t start = 0;
    while (start <= full.size()) {
        size_t end = full.find('\\', start);
        if (end == std::string::npos)
            end = full.size();
        const std::string component = full.substr(start, end - start);
        const bool plain = !component.empty() && component != "." && component != ".." &&
                           component.find(':') == std::string::npos;
        const std::string onDisk = plain ? EntryName(shown + component) : std::string();
        shown += onDisk.empty() ? component : onDisk;
        if (end < full.size())
            shown += '\\';
        start = end + 1;
    }
    if (!relative)
        return shown;
    const size_t baseLength = base.size() + (base.ends_with('\\') ? 0 : 1);
    return shown.substr(baseLength);
}

bool PathExists(const std::string& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

int CreateFolder(const std::string& path) {
    return Result(CreateDirectoryW(WideName(path).c_str(), nullptr));
}

int RemoveFile(const std::string& path) {
    return Result(DeleteFileW(WideName(path).c_str()));
}

bool IsNoSuchFile(int error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Write-through: the rename is on disk when the call returns.
int RenameReplacing(const std::string& from, const std::string& to) {
    return Result(MoveFileExW(WideName(from).c_str(), WideName(to).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

// Without MOVEFILE_REPLACE_EXISTING, MoveFileEx fails when the target exists.
int RenameNoReplace(const std::string& from, const std::string& to) {
    return Result(MoveFileExW(WideName(from).c_str(), WideName(to).c_str(), MOVEFILE_WRITE_THROUGH));
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const std::string pattern = NativePath(path) + (path.empty() || path.ends_with('\\') || path.ends_with('/') ? "*" : "\\*");
    const HANDLE search = FindFirstFileW(WideName(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = Narrow(found.cFileName);
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(search, &found) != 0);
    FindClose(search);
    return names;
}

// Renames are written through (MOVEFILE_WRITE_THROUGH) and files flushed with their data, so a folder
// has nothing of its own left to flush.
int SyncFolder(const std::string&) {
    return 0;
}

uint32_t LocalFileTime(int64_t utcSeconds) {
    // Like the simulator: the offset of the local clock now, not at the file's time.
    TIME_ZONE_INFORMATION zone;
    const DWORD kind = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (kind == TIME_ZONE_ID_DAYLIGHT)
        bias += zone.DaylightBias;
    else if (kind == TIME_ZONE_ID_STANDARD)
        bias += zone.StandardBias;
    return static_cast<uint32_t>(utcSeconds - static_cast<int64_t>(bias) * 60);
}
