#pragma once

#include "db/TriDbHeader.h"

#include <array>

// The 56-byte header of a ".DBD" table: name (12), time stamp, count, record size, 32 bytes carried.
class TriDbdHeader final : public TriDbHeader {
public:
    static constexpr size_t kLength = 56;

    int GetRecordCount() const override;
    int GetRecordSize() const override;
    size_t ReadFromMemory(const uint8_t* address) override;
    // Stores the current time (DbClock) first.
    size_t WriteToFile(DbFileWriter& file) override;
    std::string GetDatabaseName() const override;
    void SetRecordCount(int count) override;
    size_t GetLength() const override { return kLength; }

    // For building a table from nothing (the fixture generator).
    void SetDatabaseName(const std::string& name);
    void SetRecordSize(int size);
    uint32_t GetTime() const;

private:
    std::array<uint8_t, kLength> bytes_{};
};
