#pragma once

#include <QString>

// The user's home folder: $HOME when it is an absolute path, else the password database's; empty when
// unknown.
QString HomeFolder();
