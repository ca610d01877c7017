#include "pod/PodFile.h"

#include "base/ErrorCodes.h"
#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "pod/PodExtension.h"
#include "pod/PodHeader.h"

#include <cstring>

namespace {

// Length of the zero-terminated text at offset, or -1 when no zero comes before end.
int64_t TextLength(const uint8_t* data, uint64_t offset, uint64_t end) {
    if (offset >= end)
        return -1;
    const void* zero = std::memchr(data + offset, 0, end - offset);
    return zero == nullptr ? -1 : static_cast<const uint8_t*>(zero) - (data + offset);
}

// The directory entry at offset, which Validate has checked to lie inside bytes.
PodEntry EntryAt(std::span<const uint8_t> bytes, uint64_t offset) {
    return ReadRecord<PodEntry>(bytes.subspan(static_cast<size_t>(offset))).value();
}

// Checks the name table (one terminated name per entry) and each entry's name and data against the file
// size; Validate has checked that the directory lies inside bytes.
void CheckEntries(std::span<const uint8_t> bytes, const char* path, uint64_t directory, uint64_t count) {
    const uint8_t* data = bytes.data();
    const uint64_t size = bytes.size();
    const uint64_t names = directory + PodEntry::kSize * count;
    uint64_t walk = names;
    for (uint64_t k = 0; k < count; ++k) {
        const PodEntry entry = EntryAt(bytes, directory + PodEntry::kSize * k);
        const int64_t walked = TextLength(data, walk, size);
        if (walked < 0)
            throw ZorException("PodFile", 75, ErrorCode::kNameTableUnterminated,
                               FormatMessage("Damaged archive %s: name table at offset %llu ends without the "
                                             "terminating zero of name %llu",
                                             path, static_cast<unsigned long long>(names),
                                             static_cast<unsigned long long>(k)));
        walk += static_cast<uint64_t>(walked) + 1;
        const uint64_t nameAt = names + entry.nameOffset;
        if (TextLength(data, nameAt, size) < 0)
            throw ZorException(
                "PodFile", 84, ErrorCode::kNamePastEnd,
                FormatMessage("Damaged archive %s: name of entry %llu at offset %llu passes the end "
                              "of the file",
                              path, static_cast<unsigned long long>(k),
                              static_cast<unsigned long long>(nameAt)));
        const uint64_t dataAt = entry.dataOffset;
        const uint64_t dataSize = entry.size;
        if (dataAt + dataSize > size)
            throw ZorException(
                "PodFile", 93, ErrorCode::kDataPastEnd,
                FormatMessage(
                    "Damaged archive %s: data of entry %llu at offset %llu (%llu bytes) "
                    "passes the end of the file (%llu bytes)",
                    path, static_cast<unsigned long long>(k), static_cast<unsigned long long>(dataAt),
                    static_cast<unsigned long long>(dataSize), static_cast<unsigned long long>(size)));
    }
}

} // namespace

void PodFile::Open(const std::string& path) {
    Close();
    map_.Open(path);
    OpenImage({map_.Data(), map_.Size()}, path);
}

void PodFile::Open(std::span<const uint8_t> bytes, const std::string& name) {
    Close();
    OpenImage(bytes, name);
}

void PodFile::OpenImage(std::span<const uint8_t> bytes, const std::string& name) {
    version_ = PodHeader::VersionOf(bytes);
    if (version_ == 0) {
        Close();
        throw ZorException("PodFile", 34, ErrorCode::kBadSignature, "Invalid signature (not a POD?)\n");
    }
    try {
        Validate(bytes, name);
    } catch (...) {
        Close();
        throw;
    }
    name_ = name;
    bytes_ = bytes;
    directory_ = DirectoryOffset(bytes);
    count_ = ReadRecord<PodHeader>(bytes)->count;
    names_ = reinterpret_cast<const char*>(bytes.data() + directory_ + uint64_t{PodEntry::kSize} * count_);
}

uint32_t PodFile::DirectoryOffset(std::span<const uint8_t> bytes) const {
    return version_ == 3 ? ReadRecord<PodExtension>(bytes.subspan(PodHeader::kSize))->directory
                         : PodHeader::kSize;
}

// Checks everything the lookups read against the file size, so that they never pass the end.
void PodFile::Validate(std::span<const uint8_t> bytes, const std::string& name) const {
    const std::string shown = ShownPath(name);
    const char* path = shown.c_str();
    const uint64_t size = bytes.size();
    const uint32_t headerSize = version_ == 3 ? PodExtension::kHeaderSize3 : PodHeader::kSize;
    if (size < headerSize)
        throw ZorException(
            "PodFile", 57, ErrorCode::kShortHeader,
            FormatMessage("Damaged archive %s: header of version %u needs %u bytes, the file has %llu", path,
                          version_, headerSize, static_cast<unsigned long long>(size)));
    const uint64_t count = ReadRecord<PodHeader>(bytes)->count;
    const uint64_t directory = DirectoryOffset(bytes);
    const uint64_t names = directory + PodEntry::kSize * count;
    if (names > size)
        throw ZorException(
            "PodFile", 65, ErrorCode::kDirectoryPastEnd,
            FormatMessage("Damaged archive %s: directory at offset %llu with %llu entries passes the "
                          "end of the file (%llu bytes)",
                          path, static_cast<unsigned long long>(directory),
                          static_cast<unsigned long long>(count), static_cast<unsigned long long>(size)));
    CheckEntries(bytes, path, directory, count);
}

void PodFile::Close() {
    map_.Close();
    name_.clear();
    bytes_ = {};
    names_ = nullptr;
    directory_ = 0;
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
    const uint64_t at = directory_ + uint64_t{PodEntry::kSize} * static_cast<uint32_t>(i);
    const PodEntry fields = EntryAt(bytes_, at);
    return {bytes_.data() + at, names_ + fields.nameOffset, bytes_.data(), fields};
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
