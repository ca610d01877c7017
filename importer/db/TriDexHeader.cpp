#include "db/TriDexHeader.h"

#include "db/DbFileWriter.h"
#include "db/LittleEndian.h"

#include <cstring>

int TriDexHeader::GetRecordCount() const {
    return static_cast<int32_t>(GetLe32(bytes_.data() + 36));
}

int TriDexHeader::GetRecordSize() const {
    return static_cast<int32_t>(GetLe32(bytes_.data() + 32));
}

size_t TriDexHeader::ReadFromMemory(const uint8_t* address) {
    std::memcpy(bytes_.data(), address, kLength);
    return kLength;
}

size_t TriDexHeader::WriteToFile(DbFileWriter& file) {
    return file.Write(bytes_.data(), kLength);
}

std::string TriDexHeader::GetDatabaseName() const {
    return TextOf(bytes_.data(), 32);
}

void TriDexHeader::SetRecordCount(int count) {
    PutLe32(bytes_.data() + 36, static_cast<uint32_t>(count));
}

void TriDexHeader::SetRecordSize(int size) {
    PutLe32(bytes_.data() + 32, static_cast<uint32_t>(size));
}

void TriDexHeader::SetDatabaseName(const std::string& name) {
    PutText(bytes_.data(), 32, name);
}
