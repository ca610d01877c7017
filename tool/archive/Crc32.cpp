#include "archive/Crc32.h"

#include <array>

namespace {

constexpr std::array<quint32, 256> MakeTable() {
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> Table = MakeTable();

} // namespace

quint32 Crc32(quint32 crc, QByteArrayView bytes) {
    crc = ~crc;
    for (const char byte : bytes)
        crc = Table[(crc ^ quint8(byte)) & 0xff] ^ (crc >> 8);
    return ~crc;
}
