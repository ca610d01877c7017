#include "db/TriDbRecord.h"

#include "base/ErrorCodes.h"
#include "base/LittleEndian.h"
#include "base/ZorException.h"
#include "db/DbFileWriter.h"
#include "db/TriDbTemplate.h"

#include <algorithm>
#include <cstring>

size_t TriDbRecord::BufferSizeOf(const TriDbTemplate* recordTemplate) {
    return static_cast<size_t>(std::max(0, recordTemplate->GetRecordSize()));
}

TriDbRecord::TriDbRecord(const TriDbTemplate* recordTemplate, uint8_t* data)
    : data_(data), size_(BufferSizeOf(recordTemplate)), recordTemplate_(recordTemplate) {}

TriDbRecord TriDbRecord::View(const TriDbTemplate* recordTemplate, uint8_t* data) {
    return TriDbRecord(recordTemplate, data);
}

TriDbRecord::TriDbRecord(const TriDbTemplate* recordTemplate, const uint8_t* bytes, size_t slotSize)
    : size_(BufferSizeOf(recordTemplate)), recordTemplate_(recordTemplate) {
    owned_ = std::make_shared_for_overwrite<uint8_t[]>(size_);
    data_ = owned_.get();
    const size_t copied = bytes ? std::min(size_, slotSize) : 0;
    if (copied > 0)
        std::memcpy(data_, bytes, copied);
    std::memset(data_ + copied, 0, size_ - copied);
}

void TriDbRecord::Assign(const TriDbRecord& other) {
    if (recordTemplate_->GetRecordSize() != other.recordTemplate_->GetRecordSize())
        throw ZorException("TriDbRecord", 207, ErrorCode::kRecordSizesDiffer, "Assigning mismatched records");
    std::memmove(data_, other.data_, std::min(size_, other.size_));
}

size_t TriDbRecord::Write(DbFileWriter& file) const {
    if (!data_)
        throw ZorException("TriDbRecord", 195, ErrorCode::kUninitializedRecord, "Attempt to write uninitialized record");
    return file.Write(data_, size_);
}

void TriDbRecord::Resize(int oldSize) {
    const size_t kept = std::min(static_cast<size_t>(std::max(0, oldSize)), size_);
    std::memset(data_ + kept, 0, size_ - kept);
}

std::string TriDbRecord::GetFieldText(int index) const {
    const TriDbTemplateEntry& field = recordTemplate_->GetField(index);
    if (!data_)
        return "**INVALID**";
    if (field.type == 'D')
        return FormatMessage("%f", ReadDouble(field.offset));
    if (field.type == 'I')
        return FormatMessage("%i", static_cast<int32_t>(ReadU32(field.offset)));
    if (field.width == 1) {
        const auto c = static_cast<int8_t>(ReadU8(field.offset));
        if (c >= 0x20 && c <= 0x7E)
            return FormatMessage("'%c' (%i)", c, c);
        return FormatMessage("%i", c);
    }
    std::string scratch;
    const std::string_view bytes = FieldBytes(field.offset, field.width, scratch);
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string TriDbRecord::GetFieldText(const std::string& code) const {
    return GetFieldText(recordTemplate_->GetFieldIndex(code));
}

void TriDbRecord::SetFieldText(const std::string& code, const std::string& value) {
    SetFieldText(recordTemplate_->GetFieldIndex(code), value);
}

void TriDbRecord::SetFieldText(int index, std::string_view value) {
    const TriDbTemplateEntry& field = recordTemplate_->GetField(index);
    if (field.type != 'C')
        throw ZorException("TriDbRecord", 165, ErrorCode::kFieldNotText,
                           FormatMessage("Tried to set field %i to char when it's really type %i", index,
                                         static_cast<int>(field.type)));
    // Only the part of the field inside the record is written.
    for (int i = 0; i < field.width; ++i) {
        const int64_t at = int64_t{field.offset} + i;
        if (at < 0 || at >= static_cast<int64_t>(size_))
            continue;
        data_[static_cast<size_t>(at)] =
            static_cast<size_t>(i) < value.size() ? static_cast<uint8_t>(value[static_cast<size_t>(i)]) : 0;
    }
}

uint8_t TriDbRecord::FirstByte() const {
    return ReadU8(0);
}

std::string_view TriDbRecord::FieldBytes(int offset, int width, std::string& scratch) const {
    if (width <= 0)
        return {};
    if (offset >= 0 && int64_t{offset} + width <= static_cast<int64_t>(size_))
        return {reinterpret_cast<const char*>(data_) + offset, static_cast<size_t>(width)};
    scratch.assign(static_cast<size_t>(width), '\0');
    for (int i = 0; i < width; ++i) {
        const int64_t at = int64_t{offset} + i;
        if (at >= 0 && at < static_cast<int64_t>(size_))
            scratch[static_cast<size_t>(i)] = static_cast<char>(data_[static_cast<size_t>(at)]);
    }
    return scratch;
}

uint8_t TriDbRecord::ReadU8(int offset) const {
    return (offset >= 0 && static_cast<size_t>(offset) < size_) ? data_[static_cast<size_t>(offset)] : 0;
}

uint32_t TriDbRecord::ReadU32(int offset) const {
    std::string scratch;
    const std::string_view bytes = FieldBytes(offset, 4, scratch);
    return LoadLittleEndian<uint32_t>(reinterpret_cast<const uint8_t*>(bytes.data()));
}

double TriDbRecord::ReadDouble(int offset) const {
    std::string scratch;
    const std::string_view bytes = FieldBytes(offset, 8, scratch);
    const auto bits = LoadLittleEndian<uint64_t>(reinterpret_cast<const uint8_t*>(bytes.data()));
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
