#include "IoFloor.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr size_t kChunk = 1 << 20;

void ReadWhole(const std::string& path, std::vector<char>& buffer) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        throw std::runtime_error("cannot read " + path);
    while (read(fd, buffer.data(), buffer.size()) > 0) {
    }
    close(fd);
}

void WriteSized(const std::string& path, uint64_t size, const std::vector<char>& buffer) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot write " + path);
    while (size > 0) {
        const size_t part = size < buffer.size() ? static_cast<size_t>(size) : buffer.size();
        const ssize_t written = write(fd, buffer.data(), part);
        if (written <= 0) {
            close(fd);
            throw std::runtime_error("short write to " + path);
        }
        size -= static_cast<uint64_t>(written);
    }
    fsync(fd);
    close(fd);
    unlink(path.c_str());
}

// A key column: a 16-byte key and a record number per record, as an index sort orders them.
struct KeyEntry {
    uint64_t high;
    uint64_t low;
    int record;
};

std::vector<KeyEntry> RandomColumn(size_t count, std::mt19937_64& random) {
    std::vector<KeyEntry> column(count);
    for (size_t n = 0; n < count; ++n)
        column[n] = {random(), random(), static_cast<int>(n)};
    return column;
}

void SortColumn(std::vector<KeyEntry>& column) {
    std::sort(column.begin(), column.end(), [](const KeyEntry& a, const KeyEntry& b) {
        return a.high != b.high ? a.high < b.high : a.low != b.low ? a.low < b.low : a.record > b.record;
    });
}

} // namespace

double MeasureFloor(const std::vector<std::string>& inputs, size_t tableRecords,
                    const std::vector<uint64_t>& outputSizes, const std::string& folder) {
    std::vector<char> buffer(kChunk, 'x');
    std::mt19937_64 random(17);
    std::array<std::vector<KeyEntry>, 3> columns;
    for (auto& column : columns)
        column = RandomColumn(tableRecords, random);
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& input : inputs)
        ReadWhole(input, buffer);
    for (auto& column : columns)
        SortColumn(column);
    for (size_t i = 0; i < outputSizes.size(); ++i)
        WriteSized(folder + "/floor" + std::to_string(i) + ".out", outputSizes[i], buffer);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
