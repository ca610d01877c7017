#include "fs/Fingerprint.h"

void Checksum::Add(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        sum_ ^= static_cast<unsigned char>(data[i]);
        sum_ *= 1099511628211ULL;
    }
}

QString Fingerprint::Text() const {
    const QString hex = QString::number(sum, 16);
    switch (kind) {
    case Kind::Absent:
        return QStringLiteral("-");
    case Kind::File:
        if (hash == Hash::Fnv)
            return 'f' + QString::number(size) + '.' + hex;
        return 'f' + QString::number(size) + ".x" + QString::number(high, 16).rightJustified(16, '0') +
               hex.rightJustified(16, '0');
    case Kind::Folder:
        return 'd' + hex;
    case Kind::Link:
        return 'l' + hex;
    case Kind::Other:
        return QStringLiteral("o");
    case Kind::Unknown:
        break;
    }
    return QStringLiteral("?");
}

Fingerprint Fingerprint::Parse(const QString& text) {
    const QChar tag = text.isEmpty() ? QChar('?') : text[0];
    const QString rest = text.mid(1);
    if (tag == '-')
        return {Kind::Absent, 0, 0};
    if (tag == 'f') {
        const qsizetype dot = rest.indexOf('.');
        const QString sum = rest.mid(dot + 1);
        if (!sum.startsWith('x'))
            return {Kind::File, rest.left(dot).toLongLong(), sum.toULongLong(nullptr, 16), 0, Hash::Fnv};
        return {Kind::File, rest.left(dot).toLongLong(), sum.right(16).toULongLong(nullptr, 16),
                sum.mid(1, 16).toULongLong(nullptr, 16), Hash::Xxh3};
    }
    if (tag == 'd')
        return {Kind::Folder, 0, rest.toULongLong(nullptr, 16)};
    if (tag == 'l')
        return {Kind::Link, 0, rest.toULongLong(nullptr, 16)};
    if (tag == 'o')
        return {Kind::Other, 0, 0};
    return {Kind::Unknown, 0, 0};
}
