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
#include <span>

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

// The entries' order in the archive: ascending names, equal names in the order they were added.
std::vector<size_t> NameOrder(const std::vector<FlyFile>& files) {
    std::vector<size_t> order(files.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&files](size_t a, size_t b) {
        return std::strcmp(files[a].name.c_str(), files[b].name.c_str()) < 0;
    });
    return order;
}

struct Sizes {
    uint64_t header = 0;
    uint64_t directory = 0;
    uint64_t names = 0;
    uint64_t data = 0;
};

// The sizes of the archive's parts; an archive past 4 GiB, which its 32-bit offsets cannot address, is
// refused before anything is written.
Sizes ArchiveSizes(const std::vector<FlyFile>& files, bool version3, const std::string& path) {
    Sizes sizes;
    sizes.header = version3 ? PodExtension::kHeaderSize3 : PodHeader::kSize;
    sizes.directory = uint64_t{PodEntry::kSize} * files.size();
    for (const FlyFile& file : files) {
        sizes.names += std::strlen(file.name.c_str()) + 1;
        sizes.data += file.size;
    }
    if (sizes.header + sizes.directory + sizes.names + sizes.data > UINT32_MAX)
        throw ZorException("PodWriter", 82, ErrorCode::kArchiveTooLarge,
                           FormatMessage("Unable to write %s: an archive holds at most 4 GiB", ShownPath(path).c_str()));
    return sizes;
}

// Header, data and tables in the version's order; 0 or the first write's error. Each image goes once
// written: a disk file's pages, read by the write, then leave the resident set.
int WriteParts(OutputFile& out, std::span<const uint8_t> header, std::vector<FlyFile>& files,
               const std::vector<size_t>& order, const Tables& tables, bool version3) {
    int error = out.Write(header.data(), header.size());
    const auto writeData = [&] {
        for (size_t k = 0; k < order.size() && error == 0; ++k) {
            FlyFile& file = files[order[k]];
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
    return error;
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
    const std::vector<size_t> order = NameOrder(files_);
    const bool version3 = PodHeader::VersionOf(header_.signature) == 3;
    const Sizes sizes = ArchiveSizes(files_, version3, path);
    // Version 3 puts the data right behind its header and the directory with the name table at the end,
    // so its header stores where the directory starts; the name table follows the directory in both
    // versions, so its offset is never stored. Version 2 has directory and names first, then the data.
    const uint32_t dataStart =
        static_cast<uint32_t>(version3 ? sizes.header : sizes.header + sizes.names + sizes.directory);
    const Tables tables = BuildTables(files_, order, dataStart);
    const auto headerBytes =
        HeaderBytes(static_cast<uint32_t>(sizes.data), static_cast<uint32_t>(sizes.names));

    OutputFile out;
    if (const int error = out.Create(path, false))
        throw ZorException("PodWriter", 96, error, FormatMessage("Unable to open %s", ShownPath(path).c_str()));
    int error = WriteParts(out, std::span(headerBytes).first(sizes.header), files_, order, tables, version3);
    if (error == 0)
        error = out.Commit();
    files_.clear();
    if (error != 0)
        throw ZorException("PodWriter", 113, error, FormatMessage("Unable to write to %s", ShownPath(path).c_str()));
}
