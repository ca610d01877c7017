#include "db/TriDbdHeader.h"

#include "db/DbClock.h"
#include "db/DbFileWriter.h"
#include "db/LittleEndian.h"

#include <cstring>

int TriDbdHeader::GetRecordCount() const {
    return static_cast<int32_t>(GetLe32(bytes_.data() + 16));
}

int TriDbdHeader::GetRecordSize() const {
    return static_cast<int32_t>(GetLe32(bytes_.data() + 20));
}

size_t TriDbdHeader::ReadFromMemory(const uint8_t* address) {
    std::memcpy(bytes_.data(), address, kLength);
    return kLength;
}

size_t TriDbdHeader::WriteToFile(DbFileWriter& file) {
    PutLe32(bytes_.data() + 12, DbClock::Now());
    return file.Write(bytes_.data(), kLength);
}

std::string TriDbdHeader::GetDatabaseName() const {
    return TextOf(bytes_.data(), 12);
}

void TriDbdHeader::SetRecordCount(int count) {
    PutLe32(bytes_.data() + 16, static_cast<uint32_t>(count));
}

void TriDbdHeader::SetDatabaseName(const std::string& name) {
    PutText(bytes_.data(), 12, name);
}

void TriDbdHeader::SetRecordSize(int size) {
    PutLe32(bytes_.data() + 20, static_cast<uint32_t>(size));
}

uint32_t TriDbdHeader::GetTime() const {
    return GetLe32(bytes_.data() + 12);
}
