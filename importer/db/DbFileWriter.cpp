#include "db/DbFileWriter.h"

namespace {

constexpr size_t kBufferSize = 128 * 1024;

} // namespace

int DbFileWriter::Create(const std::string& path, bool viaTemporary, bool flushed) {
    buffer_.clear();
    buffer_.reserve(kBufferSize);
    error_ = file_.Create(path, viaTemporary, flushed);
    return error_;
}

size_t DbFileWriter::Write(const void* data, size_t size) {
    if (error_ != 0)
        return 0;
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (buffer_.size() + size > kBufferSize && !Flush())
        return 0;
    if (size >= kBufferSize) {
        error_ = file_.Write(bytes, size);
        return error_ == 0 ? size : 0;
    }
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return size;
}

int DbFileWriter::Commit() {
    if (error_ == 0 && Flush())
        error_ = file_.Commit();
    return error_;
}

bool DbFileWriter::Flush() {
    if (error_ == 0 && !buffer_.empty())
        error_ = file_.Write(buffer_.data(), buffer_.size());
    buffer_.clear();
    return error_ == 0;
}
