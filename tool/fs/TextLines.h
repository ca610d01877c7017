#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The lines of a text file: CR, LF or CR LF ends a line; the last line needs no line end.
QList<QByteArray> SplitLines(const QByteArray& bytes);
// The lines in the bytes they were read from (NativeText.h), each ended by CR LF.
QByteArray JoinLines(const QStringList& lines);
