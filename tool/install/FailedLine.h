#pragma once

#include "fs/Result.h"

#include <QString>

// The installer's log line for what failed, so that every failure reads alike in the log: "FAILED!!!: "
// and what failed.
QString FailedLine(const QString& what);
// A file that was not installed: "FAILED!!!: <file> (<reason>)".
QString FailedLine(const Failure& failure);
