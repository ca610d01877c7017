#include "pod/PodFile.h"

#include "driver/MessageSink.h"
#include "driver/ZorException.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "pod/PodFormat.h"

#include <cstring>

using namespace PodFormat;

namespace {

// Length of the zero-terminated text at offset, or -1 when no zero comes before end.
int64_t TextLength(const uint8_t* data, uint64_t offset, uint64_t end) {
    if (offset >= end)
        return -1;
    const void* zero = std::memchr(data + offset, 0, end - offset);
    return zero == nullptr ? -1 : static_cast<const uint8_t*>(zero) - (data + offset);
}

} // namespace

void PodFile::Open(const std::string& path) {
    Close();
    map_.Open(path);
    const uint8_t* data = map_.Data();
    if (map_.Size() >= 4 && std::memcmp(data, "POD2", 4) == 0) {
        version_ = 2;
    } else if (map_.Size() >= 4 && std::memcmp(data, "POD3", 4) == 0) {
        version_ = 3;
    } else {
        Close();
        throw ZorException("PodFile", __LINE__, 0x10002, "Invalid signature (not a POD?)\n");
    }
    try {
        Validate();
    } catch (...) {
        Close();
        throw;
    }
    header_ = data;
    const uint32_t directory = version_ == 3 ? Read32(data + kDirectoryOffset) : kHeaderSize2;
    directory_ = data + directory;
    count_ = Read32(data + kCountOffset);
    names_ = reinterpret_cast<const char*>(directory_ + uint64_t{kEntrySize} * count_);
}

// Checks everything the lookups read against the file size, so that they never pass the end.
void PodFile::Validate() const {
    const std::string shown = ShownPath(map_.Name());
    const char* path = shown.c_str();
    const uint8_t* data = map_.Data();
    const uint64_t size = map_.Size();
    const uint32_t headerSize = version_ == 3 ? kHeaderSize3 : kHeaderSize2;
    if (size < headerSize)
        throw ZorException(
            "PodFile", __LINE__, 0x10003,
            FormatMessage("Damaged archive %s: header of version %u needs %u bytes, the file has %llu", path,
                          version_, headerSize, static_cast<unsigned long long>(size)));
    const uint64_t count = Read32(data + kCountOffset);
    const uint64_t directory = version_ == 3 ? Read32(data + kDirectoryOffset) : kHeaderSize2;
    const uint64_t names = directory + kEntrySize * count;
    if (names > size)
        throw ZorException(
            "PodFile", __LINE__, 0x10004,
            FormatMessage("Damaged archive %s: directory at offset %llu with %llu entries passes the "
                          "end of the file (%llu bytes)",
                          path, static_cast<unsigned long long>(directory),
                          static_cast<unsigned long long>(count), static_cast<unsigned long long>(size)));
    uint64_t walk = names;
    for (uint64_t k = 0; k < count; ++k) {
        const uint8_t* entry = data + directory + kEntrySize * k;
        const int64_t walked = TextLength(data, walk, size);
        if (walked < 0)
            throw ZorException("PodFile", __LINE__, 0x10005,
                               FormatMessage("Damaged archive %s: name table at offset %llu ends without the "
                                             "terminating zero of name %llu",
                                             path, static_cast<unsigned long long>(names),
                                             static_cast<unsigned long long>(k)));
        walk += static_cast<uint64_t>(walked) + 1;
        const uint64_t nameAt = names + Read32(entry + kEntryName);
        if (TextLength(data, nameAt, size) < 0)
            throw ZorException(
                "PodFile", __LINE__, 0x10006,
                FormatMessage("Damaged archive %s: name of entry %llu at offset %llu passes the end "
                              "of the file",
                              path, static_cast<unsigned long long>(k),
                              static_cast<unsigned long long>(nameAt)));
        const uint64_t dataAt = Read32(entry + kEntryData);
        const uint64_t dataSize = Read32(entry + kEntrySizeField);
        if (dataAt + dataSize > size)
            throw ZorException(
                "PodFile", __LINE__, 0x10007,
                FormatMessage(
                    "Damaged archive %s: data of entry %llu at offset %llu (%llu bytes) "
                    "passes the end of the file (%llu bytes)",
                    path, static_cast<unsigned long long>(k), static_cast<unsigned long long>(dataAt),
                    static_cast<unsigned long long>(dataSize), static_cast<unsigned long long>(size)));
    }
}

void PodFile::Close() {
    map_.Close();
    header_ = nullptr;
    directory_ = nullptr;
    names_ = nullptr;
    count_ = 0;
    version_ = 0;
}

int PodFile::GetEntryCount() const {
    return static_cast<int>(count_);
}

PodEntryRef PodFile::GetEntry(int i) const {
    if (i < 0 || i >= GetEntryCount()) {
        MessageSink::Printf("Invalid index\n");
        return {};
    }
    const uint8_t* entry = directory_ + kEntrySize * static_cast<uint32_t>(i);
    return {entry, names_ + Read32(entry + kEntryName), header_};
}

PodEntryRef PodFile::Find(std::string_view name) const {
    const char* walk = names_;
    for (uint32_t k = 0; k < count_; ++k) {
        const std::string_view candidate(walk);
        if (EqualIgnoringAsciiCase(candidate, name))
            return GetEntry(static_cast<int>(k));
        walk += candidate.size() + 1;
    }
    return {};
}
