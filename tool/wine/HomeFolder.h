#pragma once

#include <QString>

// The user's home folder: $HOME when it is an absolute path, else the password database's; empty when
// unknown.
QString HomeFolder();

// Test seam: use home instead of the user's own; an empty path goes back to it.
void SetHomeFolder(const QString& home);
