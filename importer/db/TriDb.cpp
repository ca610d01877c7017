#include "db/TriDb.h"

#include "base/ErrorCodes.h"
#include "base/ZorException.h"
#include "db/DbFileWriter.h"
#include "db/TriDbdHeader.h"
#include "db/TriDexHeader.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "pod/FlyFile.h"
#include "pod/FlyFolder.h"

#include <utility>

namespace {

std::string UpToFirstDot(const std::string& name) {
    return name.substr(0, name.find('.'));
}

// A DEX names a table file inside DATABASE\: no folders, no drive, no way out.
bool IsPlainTableName(const std::string& name) {
    return IsSafeRelativeName(name) && name.find_first_of("\\/") == std::string::npos;
}

} // namespace

TriDb::~TriDb() {
    Clear();
}

void TriDb::Clear() {
    store_.Reset(TriDbRecord::BufferSizeOf(&recordTemplate_));
    liveCount_ = 0;
    header_.reset();
    sortOrder_.reset();
    DropKeyIndex();
}

void TriDb::CreateHeader(const std::string& tableName) {
    const std::string extension =
        UpperAscii(tableName.size() > 4 ? tableName.substr(tableName.size() - 4) : tableName);
    if (extension == ".DBD")
        header_ = std::make_unique<TriDbdHeader>();
    else if (extension == ".DEX")
        header_ = std::make_unique<TriDexHeader>();
    else
        throw ZorException("TriDb", 132, ErrorCode::kUnknownExtension,
                           FormatMessage("Unrecognized extension %s", extension.c_str()));
}

void TriDb::LoadTemplateFor(const std::string& tableName) {
    if (dynamic_cast<TriDexHeader*>(header_.get())) {
        const std::string database = header_->GetDatabaseName();
        if (!IsPlainTableName(database)) {
            const std::string message =
                FormatMessage("%s names the database \"%s\", which is not a table file in DATABASE",
                              ShownPath(tableName, FlyFolder::Get()).c_str(), database.c_str());
            Clear();
            throw ZorException("TriDb", 140, ErrorCode::kDatabaseOutsideFolder, message);
        }
        templateName_ = "DATABASE\\" + UpToFirstDot(database) + ".DBT";
    } else {
        templateName_ = UpToFirstDot(tableName) + ".DBT";
    }
    recordTemplate_.Load(templateName_);
}

void TriDb::CheckImageSize(uint64_t fileSize, size_t headerLength) {
    const int64_t size = header_->GetRecordSize();
    const int64_t count = header_->GetRecordCount();
    const int64_t expected = count * size;
    const int64_t actual = static_cast<int64_t>(fileSize) - static_cast<int64_t>(headerLength);
    const bool surplusRecords = actual > expected && size > 0 && (actual - expected) % size == 0;
    // Records of no bytes: the count alone would decide how much memory the table takes.
    const bool emptyRecords = size == 0 && count > 0;
    if (count < 0 || size < 0 || emptyRecords || (actual != expected && !surplusRecords)) {
        Clear();
        throw ZorException("TriDb", 193, ErrorCode::kSizeMismatch,
                           FormatMessage("File size mismatch, computed = %i, actual = %i",
                                         static_cast<int>(expected), static_cast<int>(actual)));
    }
}

void TriDb::LoadHeader(const FlyFile& head, uint64_t fileSize) {
    Clear();
    name_ = head.name;
    CreateHeader(name_);
    const size_t headerLength = header_->GetLength();
    if (!head.data || head.size < headerLength) {
        Clear();
        throw ZorException("TriDb", 193, ErrorCode::kSizeMismatch,
                           FormatMessage("File size mismatch, computed = %i, actual = %i",
                                         static_cast<int>(headerLength), static_cast<int>(head.size)));
    }
    header_->ReadFromMemory({head.data, head.size});
    LoadTemplateFor(name_);
    CheckImageSize(fileSize, headerLength);
    store_.Reset(TriDbRecord::BufferSizeOf(&recordTemplate_));
}

void TriDb::Load(const FlyFile& file, bool view) {
    LoadHeader(file, file.size);
    const auto slotSize = static_cast<size_t>(header_->GetRecordSize());
    store_.Load(file, header_->GetLength(), static_cast<size_t>(header_->GetRecordCount()), slotSize, view);
    liveCount_ = store_.Count();
}

void TriDb::LoadPart(const uint8_t* data, size_t count) {
    const auto slotSize = static_cast<size_t>(header_->GetRecordSize());
    FlyFile part;
    part.Set(data, static_cast<uint32_t>(count * slotSize), name_, 0);
    store_.Load(part, 0, count, slotSize, true);
    liveCount_ = store_.Count();
    DropKeyIndex();
}

void TriDb::Create(const std::string& tableName, const std::string& databaseName,
                   TriDbTemplate recordTemplate) {
    Clear();
    name_ = tableName;
    CreateHeader(tableName);
    recordTemplate_ = std::move(recordTemplate);
    templateName_ = recordTemplate_.name;
    store_.Reset(TriDbRecord::BufferSizeOf(&recordTemplate_));
    if (auto* dbd = dynamic_cast<TriDbdHeader*>(header_.get())) {
        dbd->SetDatabaseName(databaseName);
        dbd->SetRecordSize(recordTemplate_.GetRecordSize());
    } else {
        auto* dex = static_cast<TriDexHeader*>(header_.get());
        dex->SetDatabaseName(databaseName);
        dex->SetRecordSize(recordTemplate_.GetRecordSize());
    }
}

TriDbRecord TriDb::RecordAt(size_t slot) const {
    return TriDbRecord::View(&recordTemplate_, store_.At(slot));
}

TriDbRecord TriDb::GetRecord(int index) {
    std::as_const(*this).GetRecord(index);
    DropKeyIndex();
    return TriDbRecord::View(&recordTemplate_, store_.Writable(static_cast<size_t>(index)));
}

const TriDbRecord TriDb::GetRecord(int index) const {
    if (index < 0 || index >= GetRecordCount())
        throw ZorException(
            "TriDb", 353, ErrorCode::kNoSuchRecord,
            FormatMessage("Asked for record %i when only %i available", index, GetRecordCount()));
    return RecordAt(static_cast<size_t>(index));
}

int TriDb::CheckRecordSize() const {
    const int headerSize = header_->GetRecordSize();
    const int templateSize = recordTemplate_.GetRecordSize();
    if (headerSize != templateSize)
        throw ZorException("TriDb", 421, ErrorCode::kRecordSizesDiffer,
                           FormatMessage("%s specifies %i bytes, %s specifies %i bytes",
                                         ShownPath(name_, FlyFolder::Get()).c_str(), headerSize,
                                         ShownPath(templateName_, FlyFolder::Get()).c_str(),
                                         templateSize));
    return headerSize;
}

void TriDb::ExpandRecordSize() {
    auto* dex = dynamic_cast<TriDexHeader*>(header_.get());
    if (!dex)
        throw ZorException("TriDb", 400, ErrorCode::kExpandDbd, "Can't expand size of a DBD");
    const int oldSize = dex->GetRecordSize();
    const int newSize = recordTemplate_.GetRecordSize();
    if (oldSize < newSize) {
        for (size_t slot = 0; slot < store_.Count(); ++slot)
            TriDbRecord::View(&recordTemplate_, store_.Writable(slot)).Resize(oldSize);
    }
    dex->SetRecordSize(newSize);
    DropKeyIndex();
}

void TriDb::Save(const std::string& path, const std::string& writeTo, bool flushed) {
    Write(path, writeTo, flushed, nullptr);
}

void TriDb::SaveEdited(const std::string& path, const RecordEdit& edit) {
    Write(path, {}, true, &edit);
}

void TriDb::Write(const std::string& path, const std::string& writeTo, bool flushed, const RecordEdit* edit) {
    DbFileWriter file;
    if (const int error = writeTo.empty() ? file.Create(path) : file.Create(writeTo, false, flushed))
        throw ZorException("TriDb", 311, static_cast<uint32_t>(error),
                           FormatMessage("Unable to open file %s\n", ShownPath(path).c_str()));
    header_->SetRecordCount(GetRecordCount());
    header_->WriteToFile(file);
    WriteRecords(file, edit);
    if (edit != nullptr)
        Clear();
    // Every write is checked: a failure leaves the previous file as it was.
    if (const int error = file.Commit())
        throw ZorException("TriDb", 320, static_cast<uint32_t>(error),
                           FormatMessage("Unable to write to file %s\n", ShownPath(path).c_str()));
}

void TriDb::WriteRecords(DbFileWriter& file, const RecordEdit* edit) const {
    std::optional<TriDbRecord> copy;
    if (edit != nullptr)
        copy.emplace(&recordTemplate_, nullptr, 0);
    const auto put = [&](size_t slot) {
        if (!copy) {
            RecordAt(slot).Write(file);
            return;
        }
        copy->Assign(RecordAt(slot));
        (*edit)(slot, *copy);
        copy->Write(file);
    };
    if (!sortOrder_) {
        for (size_t slot = 0; slot < store_.Count(); ++slot)
            put(slot);
        return;
    }
    const std::vector<int>& order = *sortOrder_;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i + kPrefetchAhead < order.size())
            store_.Prefetch(static_cast<size_t>(order[i + kPrefetchAhead]));
        put(static_cast<size_t>(order[i]));
    }
}

// The saved file's pages are those just written: mapping them costs no read, and the images held before
// (the table's, the DEX's) go before the passes over the records begin.
void TriDb::ViewSaved(const FlyFile& saved) {
    const size_t headerLength = header_->GetLength();
    CheckImageSize(saved.size, headerLength);
    store_.Load(saved, headerLength, store_.Count(), static_cast<size_t>(header_->GetRecordSize()), true);
    liveCount_ = store_.Count();
    sortOrder_.reset();
    DropKeyIndex();
}
