#include "pod/PodWriter.h"

#include "base/ErrorCodes.h"
#include "base/FixedText.h"
#include "base/SourceDateEpoch.h"
#include "base/ZorException.h"
#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "pod/PodEntry.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace {

// Directory and name table of the archive, entries in the given order.
struct Tables {
    std::vector<uint8_t> directory;
    std::string names;
};

Tables BuildTables(const std::vector<FlyFile>& files, const std::vector<size_t>& order, uint32_t dataStart) {
    Tables tables;
    tables.directory.reserve(PodEntry::kSize * files.size());
    uint32_t dataAt = dataStart;
    for (const size_t k : order) {
        const FlyFile& file = files[k];
        const PodEntry entry{.nameOffset = static_cast<uint32_t>(tables.names.size()),
                             .size = file.size,
                             .dataOffset = dataAt,
                             .time = ClampedToSourceDate(file.time)};
        const auto bytes = RecordBytes(entry);
        tables.directory.insert(tables.directory.end(), bytes.begin(), bytes.end());
        tables.names.append(file.name.c_str(), std::strlen(file.name.c_str()) + 1);
        dataAt += file.size;
    }
    return tables;
}

} // namespace

void PodWriter::InitPod2(const std::string& comment) {
    header_ = PodHeader{};
    extension_ = PodExtension{};
    std::memcpy(header_.signature.data(), "POD2", 4);
    PutText(header_.comment, comment, TextCut::KeepTerminator);
}

void PodWriter::InitPod3(const std::string& comment, uint32_t numberA, uint32_t numberB,
                         const std::string& author, const std::string& copyright) {
    InitPod2(comment);
    std::memcpy(header_.signature.data(), "POD3", 4);
    extension_.numberA = numberA;
    extension_.numberB = numberB;
    PutText(extension_.author, author, TextCut::KeepTerminator);
    PutText(extension_.copyright, copyright, TextCut::KeepTerminator);
    extension_.marker = 0xFFFFFFFFu;
}

void PodWriter::Add(const FlyFile& file) {
    files_.push_back(file);
}

// Version 2 uses only the first PodHeader::kSize bytes.
std::array<uint8_t, PodExtension::kHeaderSize3> PodWriter::HeaderBytes(uint32_t dataSize,
                                                                       uint32_t namesSize) const {
    PodHeader header = header_;
    PodExtension extension = extension_;
    header.count = static_cast<uint32_t>(files_.size());
    if (PodHeader::VersionOf(header_.signature) == 3) {
        extension.directory = PodExtension::kHeaderSize3 + dataSize;
        extension.namesSize = namesSize;
    }
    std::array<uint8_t, PodExtension::kHeaderSize3> bytes{};
    const auto first = RecordBytes(header);
    const auto rest = RecordBytes(extension);
    std::copy(rest.begin(), rest.end(), std::copy(first.begin(), first.end(), bytes.begin()));
    return bytes;
}

void PodWriter::Write(const std::string& path) {
    std::vector<size_t> order(files_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        return std::strcmp(files_[a].name.c_str(), files_[b].name.c_str()) < 0;
    });
    const bool version3 = PodHeader::VersionOf(header_.signature) == 3;
    uint64_t namesSize = 0;
    uint64_t dataSize = 0;
    for (const FlyFile& file : files_) {
        namesSize += std::strlen(file.name.c_str()) + 1;
        dataSize += file.size;
    }
    const uint64_t dirSize = uint64_t{PodEntry::kSize} * files_.size();
    const uint64_t headerSize = version3 ? PodExtension::kHeaderSize3 : PodHeader::kSize;
    if (headerSize + dirSize + namesSize + dataSize > UINT32_MAX)
        throw ZorException("PodWriter", 82, ErrorCode::kArchiveTooLarge,
                           FormatMessage("Unable to write %s: an archive holds at most 4 GiB", ShownPath(path).c_str()));
    // Version 3 puts the data right behind its header and the directory with the name table at the end,
    // so its header stores where the directory starts; the name table follows the directory in both
    // versions, so its offset is never stored. Version 2 has directory and names first, then the data.
    const uint32_t dataStart =
        static_cast<uint32_t>(version3 ? headerSize : headerSize + namesSize + dirSize);
    const Tables tables = BuildTables(files_, order, dataStart);
    const auto headerBytes = HeaderBytes(static_cast<uint32_t>(dataSize), static_cast<uint32_t>(namesSize));

    OutputFile out;
    if (const int error = out.Create(path, false))
        throw ZorException("PodWriter", 96, error, FormatMessage("Unable to open %s", ShownPath(path).c_str()));
    int error = out.Write(headerBytes.data(), headerSize);
    // Each image goes once written: a disk file's pages, read by the write, then leave the resident set.
    const auto writeData = [&] {
        for (size_t k = 0; k < order.size() && error == 0; ++k) {
            FlyFile& file = files_[order[k]];
            error = out.Write(file.data, file.size);
            file.Reset();
        }
    };
    if (version3)
        writeData();
    if (error == 0)
        error = out.Write(tables.directory.data(), tables.directory.size());
    if (error == 0)
        error = out.Write(tables.names.data(), tables.names.size());
    if (!version3)
        writeData();
    if (error == 0)
        error = out.Commit();
    files_.clear();
    if (error != 0)
        throw ZorException("PodWriter", 113, error, FormatMessage("Unable to write to %s", ShownPath(path).c_str()));
}
