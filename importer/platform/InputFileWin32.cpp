#include "platform/InputFile.h"

#include "platform/WideText.h"

#include <algorithm>
#include <windows.h>

namespace {

HANDLE AsHandle(intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

InputFile::~InputFile() {
    Close();
}

void InputFile::Close() {
    if (AsHandle(handle_) != INVALID_HANDLE_VALUE)
        CloseHandle(AsHandle(handle_));
    handle_ = -1;
    size_ = 0;
}

int InputFile::Open(const std::string& path) {
    Close();
    const HANDLE file = CreateFileW(WideName(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return static_cast<int>(GetLastError());
    LARGE_INTEGER size{};
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileInformationByHandle(file, &info) == 0 || GetFileSizeEx(file, &size) == 0) {
        const int error = static_cast<int>(GetLastError());
        CloseHandle(file);
        return error;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return ERROR_ACCESS_DENIED;
    }
    handle_ = reinterpret_cast<intptr_t>(file);
    size_ = static_cast<uint64_t>(size.QuadPart);
    return 0;
}

int InputFile::Read(void* data, size_t size, size_t& got) {
    got = 0;
    while (got < size) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(size - got, 1u << 30));
        DWORD n = 0;
        if (ReadFile(AsHandle(handle_), static_cast<char*>(data) + got, part, &n, nullptr) == 0)
            return static_cast<int>(GetLastError());
        if (n == 0)
            break;
        got += n;
    }
    return 0;
}
