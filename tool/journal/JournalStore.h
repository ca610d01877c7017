#pragma once

#include "fs/Result.h"

#include <QString>

// How the journal keeps old contents and puts them back. Paths are native and resolved; nothing here is
// journaled itself.

// How a file is kept: a hard link serves for a file that has no other name, since every change of ours
// replaces or removes a name, never the bytes behind it; a program that may write into its files in place
// gets copies.
enum class StoreBy { LinkOrCopy, Copy };

// A copy of what path holds (file, folder with all below it, or symbolic link) made at store: a hard link
// or a flushed copy, with the file's permissions. A failure names the path that couldn't be read or made.
Done KeepInStore(const QString& path, const QString& store, StoreBy by = StoreBy::LinkOrCopy);
// Puts what store holds back at path, which must not exist or is a file that is replaced whole. A file
// comes back as a second name of the store's file, where both lie on one file system: its folder must be
// flushed before the store is removed, and nothing may write into the store's file until then. A failure
// names the path that couldn't be read or made.
Done PutBack(const QString& store, const QString& path);
// Removes path, a file, a symbolic link or a folder with all below it; a failure names what stayed.
Done RemoveWhole(const QString& path);
