#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Names of entries in the encodings archives were written in.

// UTF-8, refused (none) where the bytes aren't valid UTF-8.
std::optional<QString> FromUtf8(const QByteArray& bytes);
// The DOS code page of names without a Unicode form (old ZIP tools, RAR 4): code page 850, the one of
// French and Western European DOS. It has the same à é è ç ô ù as code page 437, the first DOS page,
// and where the two differ it holds the accented capitals (À Ê È Î Ô) that a name may carry and 437 has
// box-drawing and Greek signs that a name doesn't.
QString FromDosCodePage(const QByteArray& bytes);
