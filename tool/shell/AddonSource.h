#pragma once

#include <QString>

// What the installer takes an add-on from: a folder, or an archive the user downloaded.

// True when the name ends in the extension of an archive the installer reads (".zip", ".rar", ".7z",
// a self-extracting ".exe", ".tar" and the compressed tars), whatever its case.
bool IsArchiveName(const QString& path);
// That extension as the name writes it (".tar.gz" rather than ".gz"); empty when it has none.
QString ArchiveExtension(const QString& path);
// True when path is an existing folder, or an existing file with an archive's name.
bool IsAddonSource(const QString& path);
