#pragma once

#include <QByteArray>

#include <utility>

// Little-endian fields of a record read in order. Reading past the end reads zeros and leaves the cursor
// failed, so that a record is read whole and checked once. The cursor shares the bytes it reads, so that
// it may be made from a record just read.
class ByteCursor final {
  public:
    explicit ByteCursor(QByteArray bytes, qsizetype at = 0) : bytes_(std::move(bytes)), at_(at) {}

    quint8 U8() { return quint8(Take(1)); }
    quint16 U16() { return quint16(Take(2)); }
    quint32 U32() { return quint32(Take(4)); }
    quint64 U64() { return Take(8); }
    // RAR 5's variable-length integer: 7 bits a byte, low bits first, at most 10 bytes.
    quint64 VarInt();
    QByteArray Bytes(quint64 count);
    void Skip(quint64 count);

    bool ok() const { return ok_; }
    qsizetype at() const { return at_; }
    qsizetype left() const { return ok_ ? bytes_.size() - at_ : 0; }

  private:
    bool Has(quint64 count);
    quint64 Take(int count);

    QByteArray bytes_;
    qsizetype at_ = 0;
    bool ok_ = true;
};
