#pragma once

#include "pod/FlyFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A fresh Fly2 folder with an empty DATABASE folder, made the PodList folder; removed afterwards.
class FlyFolder final {
public:
    FlyFolder();
    FlyFolder(const FlyFolder&) = delete;
    FlyFolder& operator=(const FlyFolder&) = delete;
    ~FlyFolder();

    const std::filesystem::path& Path() const { return path_; }
    std::string Slashed() const { return path_.string() + "/"; }
    void Write(const std::string& relative, const std::string& text) const;

private:
    std::filesystem::path path_;
};

// Everything MessageSink prints while it lives.
class CapturedOutput final {
public:
    CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;
    ~CapturedOutput();

    std::string text;
};

Bytes ReadFileBytes(const std::filesystem::path& path);
uint32_t Le32(const Bytes& bytes, size_t offset);

// Table images: header followed by the records given, back to back.
Bytes DbdImage(const std::string& database, int32_t count, int32_t recordSize,
               const std::vector<Bytes>& records);
Bytes DexImage(const std::string& database, int32_t recordSize, int32_t count,
               const std::vector<Bytes>& records);

// An image over bytes that must outlive it.
FlyFile ImageOf(const Bytes& bytes, const std::string& name);
FlyFile ImageOf(const std::string& text, const std::string& name);

// A record: text field of width, then any raw bytes.
Bytes TextBytes(const std::string& text, size_t width);
Bytes Concat(const std::vector<Bytes>& parts);
Bytes Int32Bytes(int32_t value);
Bytes DoubleBytes(double value);
