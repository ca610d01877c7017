#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder final {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& Path() const { return path_; }
    // The folder as a string ending in '/', the way the Fly2 folder is kept.
    std::string Slashed() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

// A path as the importer shows it in messages on this system: with '\' on Windows, '/' elsewhere.
std::string Shown(std::string path);

// Whole files; writing makes the missing folders, and a file that cannot be read or written throws.
void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
Bytes ReadBytes(const std::filesystem::path& path);
std::string ReadText(const std::filesystem::path& path);
Bytes BytesOf(const std::string& text);
// The names in a folder, sorted.
std::vector<std::string> Listing(const std::filesystem::path& folder);

// Little-endian 32-bit values and raw text at an offset.
uint32_t Le32(const Bytes& bytes, size_t offset);
void Put32(Bytes& bytes, size_t offset, uint32_t value);
void PutText(Bytes& bytes, size_t offset, const std::string& text); // without terminator
