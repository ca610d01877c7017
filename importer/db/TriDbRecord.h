#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class DbFileWriter;
class TriDbTemplate;

// One fixed-size record: its bytes exactly as stored, read through its template.
class TriDbRecord final {
public:
    // Copies min(record size, slotSize) bytes from bytes; the rest of the buffer is zero.
    TriDbRecord(const TriDbTemplate* recordTemplate, const uint8_t* bytes, size_t slotSize);
    TriDbRecord(const TriDbRecord& other);
    TriDbRecord& operator=(const TriDbRecord&) = delete;

    // Copies the other record's bytes; both record sizes must be equal ("Assigning mismatched records").
    // Template and key text stay.
    void Assign(const TriDbRecord& other);
    // Writes exactly the template's record size; returns the bytes written.
    size_t Write(DbFileWriter& file) const;
    // A new zero buffer of the template's current size holding the first oldSize bytes of the old one.
    void Resize(int oldSize);

    // Printable form: "%f" for 'D', "%i" for 'I', "'%c' (%i)" or "%i" for one byte, else the text up
    // to the first zero byte. "**INVALID**" without a buffer.
    std::string GetFieldText(int index) const;
    std::string GetFieldText(const std::string& code) const;
    // 'C' fields only; strncpy semantics over the field's width.
    void SetFieldText(const std::string& code, const std::string& value);

    void SetKeyText(std::string text) { keyText_ = std::move(text); }
    // The key text when set, else the text of field 0.
    std::string GetKeyText() const;

    uint8_t FirstByte() const;
    const TriDbTemplate* GetTemplate() const { return recordTemplate_; }

    // The record's bytes (the template's record size). The readers give 0 for bytes outside the buffer:
    // a field may reach past the record's end (the record size is the end of the last field only).
    uint8_t* GetData() { return data_.get(); }
    const uint8_t* GetData() const { return data_.get(); }
    size_t GetBufferSize() const { return size_; }
    uint8_t ReadU8(int offset) const;
    uint32_t ReadU32(int offset) const;
    double ReadDouble(int offset) const;
    // The field's bytes, those outside the buffer as zero; scratch holds them when needed.
    std::string_view FieldBytes(int offset, int width, std::string& scratch) const;

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_ = 0;
    const TriDbTemplate* recordTemplate_;
    std::string keyText_;
};
