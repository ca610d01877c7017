#pragma once

#include <QString>

// The name an archive gives an entry, as a relative name with '/' between its folders ('\' taken as a
// separator too, as old Windows tools wrote it; empty and "." components dropped): empty with why set
// when the name could leave the folder it is unpacked into (absolute, a drive, "..") or holds a ':' or a
// control character. The folder "." itself comes out empty, with no why.
QString CheckedEntryName(const QString& name, QString* why);
