#include "db/TableFileReader.h"

#include "base/ErrorCodes.h"
#include "base/ZorException.h"
#include "db/TriDb.h"
#include "platform/NativeFs.h"
#include "pod/FlyFile.h"

#include <algorithm>
#include <cstring>

void TableFileReader::Open(const std::string& path, TriDb& table) {
    path_ = path;
    if (const int error = file_.Open(path))
        throw ZorException("TableFileReader", 15, static_cast<uint32_t>(error),
                           FormatMessage("Unable to open %s", ShownPath(path).c_str()));
    buffer_.resize(kPartBytes);
    begin_ = end_ = 0;
    Fill();
    FlyFile head;
    head.Set(buffer_.data(), static_cast<uint32_t>(end_), FlyFile::DiskName(path), 0);
    table.LoadHeader(head, file_.Size());
    begin_ = table.GetHeader()->GetLength();
    recordSize_ = static_cast<size_t>(table.GetHeader()->GetRecordSize());
    recordsLeft_ = static_cast<size_t>(table.GetHeader()->GetRecordCount());
    buffer_.resize(std::max(kPartBytes, recordSize_));
}

bool TableFileReader::LoadNext(TriDb& table) {
    if (recordsLeft_ == 0 || recordSize_ == 0)
        return false;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    Fill();
    const size_t count = std::min(recordsLeft_, end_ / recordSize_);
    if (count == 0)
        throw ZorException("TableFileReader", 38, ErrorCode::kSizeMismatch,
                           FormatMessage("Unable to read %s: it ends before its records", ShownPath(path_).c_str()));
    table.LoadPart(buffer_.data(), count);
    begin_ = count * recordSize_;
    recordsLeft_ -= count;
    return true;
}

void TableFileReader::Fill() {
    size_t got = 0;
    if (const int error = file_.Read(buffer_.data() + end_, buffer_.size() - end_, got))
        throw ZorException("TableFileReader", 49, static_cast<uint32_t>(error),
                           FormatMessage("Unable to read %s", ShownPath(path_).c_str()));
    end_ += got;
}
