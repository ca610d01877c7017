#include "fs/CheckedLines.h"

#include "fs/Fingerprint.h"
#include "fs/NativeText.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

quint64 LineSum(QByteArrayView text) {
    Checksum sum;
    sum.Add(text.constData(), text.size());
    return sum.Value();
}

// The checksum as its line ends with it: 16 hexadecimal digits.
void AppendSum(QByteArray& out, quint64 sum) {
    for (int shift = 60; shift >= 0; shift -= 4)
        out += "0123456789abcdef"[(sum >> shift) & 15];
}

bool SumIs(QByteArrayView digits, quint64 sum) {
    if (digits.size() != 16)
        return false;
    for (int i = 0, shift = 60; i < 16; ++i, shift -= 4)
        if (digits[i] != "0123456789abcdef"[(sum >> shift) & 15])
            return false;
    return true;
}

// Whether line starts with "<number>\t"; the length of that start, or 0.
qsizetype NumberLength(QByteArrayView line, qsizetype number) {
    char digits[24];
    const int n = std::snprintf(digits, sizeof digits, "%lld\t", static_cast<long long>(number));
    return line.startsWith(QByteArrayView(digits, n)) ? n : 0;
}

QString LineDamage(int number, const QString& what) {
    return QCoreApplication::translate("CheckedLines", "ligne %1 : %2").arg(number + 1).arg(what);
}

} // namespace

void AppendCheckedLine(QByteArray& out, int number, QByteArrayView text) {
    const qsizetype start = out.size();
    out += QByteArray::number(number);
    out += '\t';
    out += text;
    const quint64 sum = LineSum(QByteArrayView(out).sliced(start));
    out += '\t';
    AppendSum(out, sum);
    out += '\n';
}

QByteArray CheckedLine(int number, const QByteArray& text) {
    QByteArray line;
    AppendCheckedLine(line, number, text);
    return line;
}

CheckedLines ReadCheckedLines(const QByteArray& bytes) {
    CheckedLines read;
    const QByteArrayView all(bytes);
    qsizetype start = 0;
    for (qsizetype i = 0;; ++i) {
        const qsizetype end = all.indexOf('\n', start);
        if (end < 0) {
            read.torn = start < all.size();
            break;
        }
        const QByteArrayView line = all.sliced(start, end - start);
        start = end + 1;
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab < 0 || !SumIs(line.sliced(tab + 1), LineSum(line.first(tab)))) {
            read.damage =
                LineDamage(int(i), QCoreApplication::translate("CheckedLines", "somme de contrôle fausse"));
            break;
        }
        const qsizetype number = NumberLength(line, i);
        if (number == 0) {
            read.damage =
                LineDamage(int(i), QCoreApplication::translate("CheckedLines", "numéro de ligne faux"));
            break;
        }
        read.texts << line.sliced(number, tab - number).toByteArray();
    }
    return read;
}

QList<QByteArrayView> Fields(QByteArrayView text) {
    QList<QByteArrayView> fields;
    for (qsizetype start = 0;;) {
        const qsizetype tab = text.indexOf('\t', start);
        fields << text.sliced(start, (tab < 0 ? text.size() : tab) - start);
        if (tab < 0)
            return fields;
        start = tab + 1;
    }
}

QByteArray TextField(const QString& text) {
    return text.isEmpty() ? QByteArray("-") : ToNative(text).toPercentEncoding("/.!()[]{}@+,=~");
}

QString FieldText(QByteArrayView field) {
    if (field == "-")
        return QString();
    return field.contains('%') ? FromNative(QByteArray::fromPercentEncoding(field.toByteArray())) : FromNative(field);
}
