#include "platform/ReadOnlyMap.h"

#include "platform/NativeFs.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ReadOnlyMap Failed(ReadOnlyMap::Stage stage, int error, int fd) {
    if (fd >= 0)
        close(fd);
    ReadOnlyMap result;
    result.stage = stage;
    result.error = error;
    return result;
}

} // namespace

ReadOnlyMap MapWholeFile(const std::string& path) {
    const int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failed(ReadOnlyMap::Stage::Open, errno, -1);
    struct stat info;
    if (fstat(fd, &info) != 0)
        return Failed(ReadOnlyMap::Stage::Open, errno, fd);
    if (!S_ISREG(info.st_mode))
        return Failed(ReadOnlyMap::Stage::Open, S_ISDIR(info.st_mode) ? EISDIR : EINVAL, fd);
    if (info.st_size == 0)
        return Failed(ReadOnlyMap::Stage::MapFile, EINVAL, fd);
    if (info.st_size > static_cast<off_t>(UINT32_MAX))
        return Failed(ReadOnlyMap::Stage::MapFile, EFBIG, fd);
    void* view = mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED)
        return Failed(ReadOnlyMap::Stage::MapView, errno, fd);
    close(fd);
    ReadOnlyMap result;
    result.data = static_cast<const uint8_t*>(view);
    result.size = static_cast<uint32_t>(info.st_size);
    result.lastWrite = info.st_mtim.tv_sec;
    return result;
}

void UnmapWholeFile(const uint8_t* data, uint32_t size) {
    if (data != nullptr)
        munmap(const_cast<uint8_t*>(data), size);
}

void ReleaseMappedPages(const uint8_t* data, size_t size) {
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + page - 1) / page * page;
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) / page * page;
    // A hint: pages it leaves resident only cost memory, and a read-only map reads back the file's bytes
    // whether they went or not.
    if (end > begin)
        (void)madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
}
