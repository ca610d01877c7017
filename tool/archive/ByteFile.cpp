#include "archive/ByteFile.h"

std::optional<QByteArray> ByteFile::Read(quint64 offset, quint64 count) {
    const quint64 size = quint64(file_.size());
    if (offset > size || count > size - offset || !file_.seek(qint64(offset)))
        return std::nullopt;
    QByteArray bytes = file_.read(qint64(count));
    if (quint64(bytes.size()) != count)
        return std::nullopt;
    return bytes;
}

std::optional<qint64> ByteFile::Find(const QByteArray& bytes, qint64 within) {
    const std::optional<QByteArray> start = Read(0, quint64(qMin(within, size())));
    if (!start)
        return std::nullopt;
    const qsizetype at = start->indexOf(bytes);
    return at < 0 ? std::nullopt : std::optional<qint64>(at);
}
