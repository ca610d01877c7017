#pragma once

#include "fs/Result.h"

#include <QString>

#include <sys/types.h>

// What the path layer's writes through a temporary share. Paths are native and resolved.

// A descriptor open for reading path, or why it can't be.
Result<int> OpenForReading(const QString& resolved);
// The permissions of the file that target replaces, or those a new file gets.
mode_t ModeFor(const QString& target);
// A hidden name beside target that no file has yet, most likely.
QString TemporaryBeside(const QString& target);
// Creates the temporary for target, told to the recorder before it exists so that whatever becomes of
// the write, it can be found again; its descriptor, or the failure (naming target, with open's error).
Result<int> CreateTemporary(const QString& temporary, const QString& target);
// Writes every byte of data to fd, at offset when it is not negative (else where fd stands), going on
// after an interrupted or short write; or the failure, naming path (a write that takes nothing: ENOSPC).
Done WriteFully(int fd, const char* data, qsizetype size, const QString& path, qint64 offset = -1);
// Every byte of the plain file in into the empty file out: cloned where the file system shares blocks,
// else copied inside the kernel, else read and written here. False with errno set when it fails.
bool CopyContents(int in, int out);
