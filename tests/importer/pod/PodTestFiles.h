#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

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

using Bytes = std::vector<uint8_t>;

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
Bytes ReadBytes(const std::filesystem::path& path);
Bytes BytesOf(const std::string& text);
// The names in a folder, sorted.
std::vector<std::string> Listing(const std::filesystem::path& folder);

void Put32(Bytes& bytes, size_t offset, uint32_t value);
void PutText(Bytes& bytes, size_t offset, const std::string& text); // without terminator
