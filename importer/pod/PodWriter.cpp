#include "pod/PodWriter.h"

#include "driver/ZorException.h"
#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "pod/PodFormat.h"

#include <algorithm>
#include <cstring>
#include <numeric>

using namespace PodFormat;

namespace {

void PutText(uint8_t* field, const std::string& text) {
    std::memset(field, 0, kTextSize);
    std::memcpy(field, text.data(), std::min<size_t>(text.size(), kTextSize - 1));
}

// Directory and name table of the archive, entries in the given order.
struct Tables {
    std::vector<uint8_t> directory;
    std::string names;
};

Tables BuildTables(const std::vector<FlyFile>& files, const std::vector<size_t>& order, uint32_t dataStart) {
    Tables tables;
    tables.directory.resize(kEntrySize * files.size());
    uint32_t dataAt = dataStart;
    for (size_t k = 0; k < order.size(); ++k) {
        const FlyFile& file = files[order[k]];
        uint8_t* entry = tables.directory.data() + kEntrySize * k;
        Write32(entry + kEntryName, static_cast<uint32_t>(tables.names.size()));
        Write32(entry + kEntrySizeField, file.size);
        Write32(entry + kEntryData, dataAt);
        Write32(entry + kEntryTime, file.time);
        tables.names.append(file.name.c_str(), std::strlen(file.name.c_str()) + 1);
        dataAt += file.size;
    }
    return tables;
}

} // namespace

void PodWriter::InitPod2(const std::string& comment) {
    std::fill(header_.begin(), header_.end(), 0);
    std::memcpy(header_.data(), "POD2", 4);
    PutText(header_.data() + kCommentOffset, comment);
}

void PodWriter::InitPod3(const std::string& comment, uint32_t numberA, uint32_t numberB,
                         const std::string& author, const std::string& copyright) {
    InitPod2(comment);
    std::memcpy(header_.data(), "POD3", 4);
    Write32(header_.data() + kNumberAOffset, numberA);
    Write32(header_.data() + kNumberBOffset, numberB);
    PutText(header_.data() + kAuthorOffset, author);
    PutText(header_.data() + kCopyrightOffset, copyright);
    Write32(header_.data() + kMarkerOffset, 0xFFFFFFFFu);
}

void PodWriter::Add(const FlyFile& file) {
    files_.push_back(file);
}

void PodWriter::Write(const std::string& path) {
    std::vector<size_t> order(files_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        return std::strcmp(files_[a].name.c_str(), files_[b].name.c_str()) < 0;
    });
    const bool version3 = std::memcmp(header_.data(), "POD3", 4) == 0;
    uint64_t namesSize = 0;
    uint64_t dataSize = 0;
    for (const FlyFile& file : files_) {
        namesSize += std::strlen(file.name.c_str()) + 1;
        dataSize += file.size;
    }
    const uint64_t dirSize = uint64_t{kEntrySize} * files_.size();
    const uint64_t headerSize = version3 ? kHeaderSize3 : kHeaderSize2;
    if (headerSize + dirSize + namesSize + dataSize > UINT32_MAX)
        throw ZorException(
            "PodWriter", __LINE__, 0x10008,
            FormatMessage("Unable to write %s: an archive holds at most 4 GiB", ShownPath(path).c_str()));
    const uint32_t dataStart =
        static_cast<uint32_t>(version3 ? kHeaderSize3 : kHeaderSize2 + namesSize + dirSize);
    const Tables tables = BuildTables(files_, order, dataStart);
    std::array<uint8_t, 288> header = header_;
    Write32(header.data() + kCountOffset, static_cast<uint32_t>(files_.size()));
    if (version3) {
        Write32(header.data() + kDirectoryOffset, static_cast<uint32_t>(kHeaderSize3 + dataSize));
        Write32(header.data() + kNamesSizeOffset, static_cast<uint32_t>(namesSize));
    }

    OutputFile out;
    if (const int error = out.Create(path, false))
        throw ZorException("PodWriter", __LINE__, error,
                           FormatMessage("Unable to open %s", ShownPath(path).c_str()));
    int error = out.Write(header.data(), headerSize);
    const auto writeData = [&] {
        for (size_t k = 0; k < order.size() && error == 0; ++k)
            error = out.Write(files_[order[k]].data, files_[order[k]].size);
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
    if (error != 0)
        throw ZorException("PodWriter", __LINE__, error,
                           FormatMessage("Unable to write to %s", ShownPath(path).c_str()));
}
