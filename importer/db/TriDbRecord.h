#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class DbFileWriter;
class TriDbTemplate;

// One fixed-size record read through its template. Most records are views of bytes a table holds
// (TriDb keeps them in one block); a record made from bytes owns a copy of them. Copying a record copies
// the view, never the bytes: both then read and write the same bytes.
class TriDbRecord final {
public:
    // Owns a copy of min(record size, slotSize) bytes from bytes; the rest of its buffer is zero.
    TriDbRecord(const TriDbTemplate* recordTemplate, const uint8_t* bytes, size_t slotSize);
    // A view of the template's record size at data, which must outlive it.
    static TriDbRecord View(const TriDbTemplate* recordTemplate, uint8_t* data);

    // Copies the other record's bytes; both record sizes must be equal ("Assigning mismatched records").
    void Assign(const TriDbRecord& other);
    // Writes exactly the template's record size; returns the bytes written.
    size_t Write(DbFileWriter& file) const;
    // Zeroes the bytes from oldSize on: a record widened to its template's size keeps only the first
    // oldSize bytes of what it held.
    void Resize(int oldSize);

    // Printable form: "%f" for 'D', "%i" for 'I', "'%c' (%i)" or "%i" for one byte, else the text up
    // to the first zero byte. "**INVALID**" without a buffer.
    std::string GetFieldText(int index) const;
    std::string GetFieldText(const std::string& code) const;
    // 'C' fields only; strncpy semantics over the field's width.
    void SetFieldText(const std::string& code, const std::string& value);
    void SetFieldText(int index, std::string_view value);

    uint8_t FirstByte() const;
    const TriDbTemplate* GetTemplate() const { return recordTemplate_; }

    // The record's bytes (the template's record size). The readers give 0 for bytes outside the buffer:
    // a field may reach past the record's end (the record size is the end of the last field only).
    uint8_t* GetData() const { return data_; }
    size_t GetBufferSize() const { return size_; }
    uint8_t ReadU8(int offset) const;
    uint32_t ReadU32(int offset) const;
    double ReadDouble(int offset) const;
    // The field's bytes, those outside the buffer as zero; scratch holds them when needed.
    std::string_view FieldBytes(int offset, int width, std::string& scratch) const;

    // The template's record size, never negative.
    static size_t BufferSizeOf(const TriDbTemplate* recordTemplate);

private:
    TriDbRecord(const TriDbTemplate* recordTemplate, uint8_t* data);

    std::shared_ptr<uint8_t[]> owned_;
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
    const TriDbTemplate* recordTemplate_;
};
