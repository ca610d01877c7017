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
        return 'f' + QString::number(size) + '.' + hex;
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
        return {Kind::File, rest.left(dot).toLongLong(), rest.mid(dot + 1).toULongLong(nullptr, 16)};
    }
    if (tag == 'd')
        return {Kind::Folder, 0, rest.toULongLong(nullptr, 16)};
    if (tag == 'l')
        return {Kind::Link, 0, rest.toULongLong(nullptr, 16)};
    if (tag == 'o')
        return {Kind::Other, 0, 0};
    return {Kind::Unknown, 0, 0};
}
