#include "platform/ReadOnlyMap.h"

#include "platform/WideText.h"

#include <windows.h>

namespace {

ReadOnlyMap Failed(ReadOnlyMap::Stage stage, int error, HANDLE file) {
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    ReadOnlyMap result;
    result.stage = stage;
    result.error = error;
    return result;
}

int64_t UnixSeconds(const FILETIME& time) {
    const uint64_t ticks = (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    constexpr uint64_t ticksPerSecond = 10000000;
    constexpr int64_t secondsFrom1601To1970 = 11644473600;
    return static_cast<int64_t>(ticks / ticksPerSecond) - secondsFrom1601To1970;
}

} // namespace

ReadOnlyMap MapWholeFile(const std::string& path) {
    const HANDLE file = CreateFileW(WideName(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Failed(ReadOnlyMap::Stage::Open, static_cast<int>(GetLastError()), file);
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileInformationByHandle(file, &info) == 0)
        return Failed(ReadOnlyMap::Stage::Open, static_cast<int>(GetLastError()), file);
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || GetFileType(file) != FILE_TYPE_DISK)
        return Failed(ReadOnlyMap::Stage::Open, ERROR_ACCESS_DENIED, file);
    if (info.nFileSizeHigh != 0)
        return Failed(ReadOnlyMap::Stage::MapFile, ERROR_FILE_TOO_LARGE, file);
    // An empty file cannot be mapped: CreateFileMapping refuses it.
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping == nullptr)
        return Failed(ReadOnlyMap::Stage::MapFile, static_cast<int>(GetLastError()), file);
    CloseHandle(file);
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    const DWORD error = GetLastError();
    CloseHandle(mapping);
    if (view == nullptr)
        return Failed(ReadOnlyMap::Stage::MapView, static_cast<int>(error), INVALID_HANDLE_VALUE);
    ReadOnlyMap result;
    result.data = static_cast<const uint8_t*>(view);
    result.size = info.nFileSizeLow;
    result.lastWrite = UnixSeconds(info.ftLastWriteTime);
    return result;
}

void UnmapWholeFile(const uint8_t* data, uint32_t) {
    if (data != nullptr)
        UnmapViewOfFile(data);
}

// The system trims a process's working set itself; the pages stay until it does.
void ReleaseMappedPages(const uint8_t*, size_t) {}
