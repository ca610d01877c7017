#pragma once

#include <QStringList>

// The simulator folders registered in the known Wine prefixes (see KnownWinePrefixes): the registry value
// "PATH" under HKEY_LOCAL_MACHINE\Software\Terminal Reality\Fly! II, or its Wow6432Node twin, in the
// prefix's system.reg, turned into a real path through that prefix's drive links and kept when the folder
// holds FLY2.EXE (any case). In the order of the prefixes; a folder that two prefixes name is listed once.
QStringList FindWineInstallations();
