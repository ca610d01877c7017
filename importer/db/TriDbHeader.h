#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class DbFileWriter;

// The header of a table file: TriDbdHeader (56 bytes) or TriDexHeader (40 bytes).
class TriDbHeader {
public:
    virtual ~TriDbHeader() = default;

    virtual int GetRecordCount() const = 0;
    virtual int GetRecordSize() const = 0;
    // Copies the header bytes from the image (the caller checked that they are there); returns the
    // header length.
    virtual size_t ReadFromMemory(const uint8_t* address) = 0;
    virtual size_t WriteToFile(DbFileWriter& file) = 0;
    virtual std::string GetDatabaseName() const = 0;
    virtual void SetRecordCount(int count) = 0;
    virtual size_t GetLength() const = 0;
};
