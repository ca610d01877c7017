#pragma once

#include <QString>

// The system's reason for an error number, in the language of the interface: the reasons users meet (a
// full disk, which is also one without a free inode, a quota, a read-only disk, a refused permission, a
// missing or existing file, a failing disk) through the tool's translations; any other as the system
// words it.
QString SystemReason(int error);
