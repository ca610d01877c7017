#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class DbFileWriter;

// The header of a table file: TriDbdHeader (56 bytes) or TriDexHeader (40 bytes).
class TriDbHeader {
public:
    virtual ~TriDbHeader() = default;

    virtual int GetRecordCount() const = 0;
    virtual int GetRecordSize() const = 0;
    // Reads the header from the start of the image; returns the header length, or 0 (nothing read) when
    // the image is shorter.
    virtual size_t ReadFromMemory(std::span<const uint8_t> image) = 0;
    virtual size_t WriteToFile(DbFileWriter& file) = 0;
    virtual std::string GetDatabaseName() const = 0;
    virtual void SetRecordCount(int count) = 0;
    virtual size_t GetLength() const = 0;
};
