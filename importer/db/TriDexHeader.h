#pragma once

#include "db/TriDbHeader.h"

#include <array>

// The 40-byte header of a ".DEX" update: target table name (32), record size, count.
class TriDexHeader final : public TriDbHeader {
public:
    static constexpr size_t kLength = 40;

    int GetRecordCount() const override;
    int GetRecordSize() const override;
    size_t ReadFromMemory(const uint8_t* address) override;
    size_t WriteToFile(DbFileWriter& file) override;
    std::string GetDatabaseName() const override;
    void SetRecordCount(int count) override;
    size_t GetLength() const override { return kLength; }

    void SetRecordSize(int size);
    // For building an update from nothing (the fixture generator).
    void SetDatabaseName(const std::string& name);

private:
    std::array<uint8_t, kLength> bytes_{};
};
