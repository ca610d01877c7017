#include "ImporterTestFiles.h"

#include <algorithm>
#include <random>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = fs::temp_directory_path() / ("importertest." + std::to_string(random()));
        if (fs::create_directory(path_))
            return;
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string Shown(std::string path) {
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

void WriteText(const fs::path& path, const std::string& text) {
    WriteBytes(path, BytesOf(text));
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const fs::path& path) {
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

uint32_t Le32(const Bytes& bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= uint32_t{bytes.at(offset + i)} << (8 * i);
    return value;
}

void Put32(Bytes& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

void PutText(Bytes& bytes, size_t offset, const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(text[i]);
}
