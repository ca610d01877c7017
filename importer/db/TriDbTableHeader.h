#pragma once

#include "base/FixedRecord.h"
#include "base/FixedText.h"
#include "db/DbFileWriter.h"
#include "db/TriDbHeader.h"

// What the headers of tables and updates share: a name, a record count and a record size, in the places
// that Layout (DbdFileHeader or DexFileHeader) gives them; every other byte is kept as read.
template <typename Layout> class TriDbTableHeader : public TriDbHeader {
  public:
    static constexpr size_t kLength = Layout::kSize;

    int GetRecordCount() const override { return fields_.count; }
    int GetRecordSize() const override { return fields_.recordSize; }
    size_t ReadFromMemory(std::span<const uint8_t> image) override {
        const std::optional<Layout> read = ReadRecord<Layout>(image);
        if (!read)
            return 0;
        fields_ = *read;
        return kLength;
    }
    size_t WriteToFile(DbFileWriter& file) override {
        const auto bytes = RecordBytes(fields_);
        return file.Write(bytes.data(), bytes.size());
    }
    std::string GetDatabaseName() const override { return TextOf(fields_.name); }
    void SetRecordCount(int count) override { fields_.count = count; }
    size_t GetLength() const override { return kLength; }

    void SetRecordSize(int size) { fields_.recordSize = size; }
    // For building a table or an update from nothing (the fixture generator).
    void SetDatabaseName(const std::string& name) { PutText(fields_.name, name, TextCut::AtWidth); }

  protected:
    Layout fields_;
};
