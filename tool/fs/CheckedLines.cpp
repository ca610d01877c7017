#include "fs/CheckedLines.h"

#include "fs/Fingerprint.h"
#include "fs/NativeText.h"

#include <QCoreApplication>

namespace {

QByteArray LineSum(const QByteArray& text) {
    Checksum sum;
    sum.Add(text.constData(), text.size());
    return QByteArray::number(sum.Value(), 16).rightJustified(16, '0');
}

QString LineDamage(int number, const QString& what) {
    return QCoreApplication::translate("CheckedLines", "ligne %1 : %2").arg(number + 1).arg(what);
}

} // namespace

QByteArray CheckedLine(int number, const QByteArray& text) {
    const QByteArray line = QByteArray::number(number) + '\t' + text;
    return line + '\t' + LineSum(line) + '\n';
}

CheckedLines ReadCheckedLines(const QByteArray& bytes) {
    CheckedLines read;
    QList<QByteArray> lines = bytes.split('\n');
    read.torn = !lines.last().isEmpty();
    lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab < 0 || line.mid(tab + 1) != LineSum(line.left(tab))) {
            read.damage =
                LineDamage(int(i), QCoreApplication::translate("CheckedLines", "somme de contrôle fausse"));
            break;
        }
        const QByteArray number = QByteArray::number(i) + '\t';
        if (!line.startsWith(number)) {
            read.damage =
                LineDamage(int(i), QCoreApplication::translate("CheckedLines", "numéro de ligne faux"));
            break;
        }
        read.texts << line.mid(number.size(), tab - number.size());
    }
    return read;
}

QByteArray TextField(const QString& text) {
    return text.isEmpty() ? QByteArray("-") : ToNative(text).toPercentEncoding("/.!()[]{}@+,=~");
}

QString FieldText(const QByteArray& field) {
    return field == "-" ? QString() : FromNative(QByteArray::fromPercentEncoding(field));
}
