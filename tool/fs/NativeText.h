#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Names and lines as the file system and our files hold them: bytes, mostly UTF-8. A file copied from
// Windows may carry names or lines in its ANSI code page; such bytes must come back unchanged, so every
// byte that is not part of valid UTF-8 is kept as one of the lone surrogates U+DC80 to U+DCFF and turned
// back into that byte on the way out. Valid UTF-8 reads exactly as Qt reads it.

QString FromNative(QByteArrayView bytes);
QByteArray ToNative(const QString& text);
