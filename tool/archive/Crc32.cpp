#include "archive/Crc32.h"

#include <array>
#include <cstring>

#include <QtEndian>

namespace {

// Eight tables, so that eight bytes are folded in at a time (slicing by 8): table k gives the sum of a
// byte followed by k zero bytes.
using Tables = std::array<std::array<quint32, 256>, 8>;

constexpr Tables MakeTables() {
    Tables tables{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
        tables[0][i] = c;
    }
    for (int k = 1; k < 8; ++k)
        for (int i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xff];
    return tables;
}

constexpr Tables T = MakeTables();

} // namespace

quint32 Crc32(quint32 crc, QByteArrayView bytes) {
    crc = ~crc;
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    for (; left >= 8; left -= 8, data += 8) {
        quint32 low = 0;
        quint32 high = 0;
        std::memcpy(&low, data, 4);
        std::memcpy(&high, data + 4, 4);
        low = qFromLittleEndian(low) ^ crc;
        high = qFromLittleEndian(high);
        crc = T[7][low & 0xff] ^ T[6][(low >> 8) & 0xff] ^ T[5][(low >> 16) & 0xff] ^ T[4][low >> 24] ^
              T[3][high & 0xff] ^ T[2][(high >> 8) & 0xff] ^ T[1][(high >> 16) & 0xff] ^ T[0][high >> 24];
    }
    for (; left > 0; --left, ++data)
        crc = T[0][(crc ^ quint8(*data)) & 0xff] ^ (crc >> 8);
    return ~crc;
}
