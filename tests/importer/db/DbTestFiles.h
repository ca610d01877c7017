#pragma once

#include "ImporterTestFiles.h"

#include "base/ZorException.h"
#include "pod/FlyFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh Fly2 folder with an empty DATABASE folder, made the PodList folder; removed afterwards.
class TempFlyFolder final {
public:
    TempFlyFolder();
    TempFlyFolder(const TempFlyFolder&) = delete;
    TempFlyFolder& operator=(const TempFlyFolder&) = delete;

    const std::filesystem::path& Path() const { return folder_.Path(); }
    std::string Slashed() const { return folder_.Slashed(); }
    void Write(const std::string& relative, const std::string& text) const;

private:
    TempFolder folder_;
};

// The exception action raises; a test failure when it raises none.
template <typename F> ZorException FailureOf(F action) {
    try {
        action();
    } catch (const ZorException& e) {
        return e;
    }
    ADD_FAILURE() << "no failure";
    return ZorException("", 0, 0, "");
}

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
