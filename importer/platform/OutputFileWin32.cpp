#include "platform/OutputFile.h"

#include "platform/NativeFs.h"
#include "platform/WideText.h"

#include <windows.h>

namespace {

HANDLE AsHandle(intptr_t fd) {
    return reinterpret_cast<HANDLE>(fd);
}

int LastError() {
    return static_cast<int>(GetLastError());
}

} // namespace

// The handle is kept in fd_; -1 (INVALID_HANDLE_VALUE) when none is open.
int OutputFile::Create(const std::string& path, bool viaTemporary, bool flushed) {
    Discard();
    target_ = NativePath(path);
    viaTemporary_ = viaTemporary;
    flushed_ = flushed;
    std::string name = target_;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        if (viaTemporary)
            name = target_ + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        const HANDLE file = CreateFileW(WideName(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        viaTemporary ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (viaTemporary && GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return LastError();
        }
        fd_ = static_cast<int>(reinterpret_cast<intptr_t>(file));
        // Only a disk file is ours to remove again (never a device such as NUL).
        if (GetFileType(file) == FILE_TYPE_DISK)
            written_ = name;
        return 0;
    }
    return ERROR_FILE_EXISTS;
}

int OutputFile::Write(const void* data, size_t size) {
    if (fd_ == -1)
        return ERROR_INVALID_HANDLE;
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD done = 0;
        if (WriteFile(AsHandle(fd_), bytes, chunk, &done, nullptr) == 0)
            return LastError();
        if (done == 0)
            return ERROR_DISK_FULL;
        bytes += done;
        size -= done;
    }
    return 0;
}

int OutputFile::FlushAndClose() {
    if (fd_ == -1)
        return ERROR_INVALID_HANDLE;
    int error = flushed_ && !written_.empty() && FlushFileBuffers(AsHandle(fd_)) == 0 ? LastError() : 0;
    if (CloseHandle(AsHandle(fd_)) == 0 && error == 0)
        error = LastError();
    fd_ = -1;
    return error;
}

void OutputFile::Discard() {
    if (fd_ != -1)
        CloseHandle(AsHandle(fd_));
    fd_ = -1;
    if (!written_.empty())
        DeleteFileW(WideName(written_).c_str());
    written_.clear();
}
