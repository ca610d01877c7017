#include "fs/TextLines.h"

#include "fs/NativeText.h"

QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

QByteArray JoinLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ToNative(line) + "\r\n";
    return bytes;
}
