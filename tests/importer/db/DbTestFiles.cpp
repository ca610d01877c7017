#include "DbTestFiles.h"

#include "pod/PodList.h"

#include <algorithm>
#include <cstring>

TempFlyFolder::TempFlyFolder() {
    std::filesystem::create_directories(Path() / "DATABASE");
    PodList::SetFlyFolder(Slashed());
}

void TempFlyFolder::Write(const std::string& relative, const std::string& text) const {
    WriteText(Path() / relative, text);
}

Bytes Int32Bytes(int32_t value) {
    Bytes bytes(4);
    Put32(bytes, 0, static_cast<uint32_t>(value));
    return bytes;
}

Bytes DoubleBytes(double value) {
    Bytes bytes(8);
    std::memcpy(bytes.data(), &value, 8);
    return bytes;
}

Bytes TextBytes(const std::string& text, size_t width) {
    Bytes bytes(width, 0);
    std::memcpy(bytes.data(), text.data(), std::min(width, text.size()));
    return bytes;
}

Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes DbdImage(const std::string& database, int32_t count, int32_t recordSize,
               const std::vector<Bytes>& records) {
    Bytes header = TextBytes(database, 12);
    header = Concat({header, Int32Bytes(12345), Int32Bytes(count), Int32Bytes(recordSize), Bytes(32, 0xA5)});
    return Concat({header, Concat(records)});
}

Bytes DexImage(const std::string& database, int32_t recordSize, int32_t count,
               const std::vector<Bytes>& records) {
    return Concat({TextBytes(database, 32), Int32Bytes(recordSize), Int32Bytes(count), Concat(records)});
}

FlyFile ImageOf(const Bytes& bytes, const std::string& name) {
    FlyFile file;
    file.Set(bytes.data(), static_cast<uint32_t>(bytes.size()), name, 0);
    return file;
}

FlyFile ImageOf(const std::string& text, const std::string& name) {
    FlyFile file;
    file.Set(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()), name, 0);
    return file;
}
