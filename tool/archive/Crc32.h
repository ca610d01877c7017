#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// The CRC-32 of ZIP, RAR and 7z (polynomial 0xEDB88320), carried on from crc, the CRC-32 of the bytes
// before these (0 for none).
quint32 Crc32(quint32 crc, QByteArrayView bytes);
