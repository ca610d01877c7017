#pragma once

#include "fs/Result.h"

#include <QString>

// The failures of reading an archive: the archive as their path, the entry (when one is to blame) and why
// as their reason, so that the user finds the one file that was refused.
Failure ArchiveFailure(const QString& archive, const QString& why);
Failure EntryFailure(const QString& archive, const QString& entry, const QString& why);
// Why, for a failure that libarchive reports in its words.
QString Damaged(const QString& libarchiveText);
// A size limit as the user reads it: "8 Gio", "512 Mio", "1000 octets".
QString LimitText(qint64 bytes);
