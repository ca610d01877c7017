#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Text files of our own that safety depends on: each line carries its number, from 0, and ends with a
// checksum of its bytes, so that a reader tells a whole file from a damaged one and names the line.

// "<number>\t<text>\t<checksum>\n"; text holds no line end.
QByteArray CheckedLine(int number, const QByteArray& text);
void AppendCheckedLine(QByteArray& out, int number, QByteArrayView text);

struct CheckedLines final {
    QList<QByteArray> texts; // the text of each whole line, in order, up to the first damage
    bool torn = false;       // the bytes end inside a line, which is left out
    QString damage;          // "ligne N : ..." for the first line that is not whole; empty when none is
};

// Splits bytes into lines and checks each whole line's number and checksum.
CheckedLines ReadCheckedLines(const QByteArray& bytes);

// A path or name as one field of a line (its bytes, with tabs, line ends and '%' escaped; "-" for empty),
// and back.
QByteArray TextField(const QString& text);
QString FieldText(QByteArrayView field);
// The fields of a line's text, between its tabs; views into text.
QList<QByteArrayView> Fields(QByteArrayView text);
