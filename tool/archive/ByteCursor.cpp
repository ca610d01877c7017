#include "archive/ByteCursor.h"

bool ByteCursor::Has(quint64 count) {
    if (ok_ && at_ >= 0 && at_ <= bytes_.size() && count <= quint64(bytes_.size() - at_))
        return true;
    ok_ = false;
    return false;
}

quint64 ByteCursor::Take(int count) {
    if (!Has(quint64(count)))
        return 0;
    quint64 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes_[at_ + i]);
    at_ += count;
    return value;
}

quint64 ByteCursor::VarInt() {
    quint64 value = 0;
    for (int shift = 0; shift < 70; shift += 7) {
        const quint8 byte = U8();
        if (!ok_)
            return 0;
        value |= quint64(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return value;
    }
    ok_ = false;
    return 0;
}

QByteArray ByteCursor::Bytes(quint64 count) {
    if (!Has(count))
        return {};
    const QByteArray bytes = bytes_.mid(at_, qsizetype(count));
    at_ += qsizetype(count);
    return bytes;
}

void ByteCursor::Skip(quint64 count) {
    if (Has(count))
        at_ += qsizetype(count);
}
