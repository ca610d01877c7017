#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The importer's native path layer. Names come in the simulator's form (backslashes, any case) or as
// native paths; every function here turns them into the native path at the system call: '\' becomes
// '/', and each component is matched exactly first, then without regard to ASCII case among the entries
// of its parent (SYSTEM\AIRPORT.POD finds system/airport.pod). Creating or renaming to a name reuses an
// existing entry of that name in another case, so AIRPORT.POD never ends up beside airport.pod.
// Functions returning int give 0 or the system's error number (errno, or the Win32
// last-error code on Windows).

std::string NativePath(const std::string& path);
// The absolute path with links followed (realpath); empty when path does not exist.
std::string RealPath(const std::string& path);
// A path the way this system shows it to the user in progress lines and error reports: '/' separators,
// the case of the entries that exist, the rest as given. A relative path that does not begin with folder
// is looked up below it and stays relative to it.
std::string ShownPath(const std::string& path, const std::string& folder = {});

bool PathExists(const std::string& path); // file, folder or anything else
bool IsFolder(const std::string& path);
bool IsRegularFile(const std::string& path);

int CreateFolder(const std::string& path); // one level
int RemoveFile(const std::string& path);
// True for the error of a call on a name that does not exist.
bool IsNoSuchFile(int error);
// Renames over an existing target in one step: the target is never missing.
int RenameReplacing(const std::string& from, const std::string& to);
// Renames only when the target does not exist (EEXIST otherwise).
int RenameNoReplace(const std::string& from, const std::string& to);

// The native names of a folder's entries ("." and ".." left out); empty when it cannot be read.
std::vector<std::string> ListFolder(const std::string& path);
// Flushes a folder's entries (names just created, renamed or removed) to disk.
int SyncFolder(const std::string& path);

// True for a name below the simulator folder that stays inside it: not empty, no leading separator,
// no ".." component, no drive letter or other ':'.
bool IsSafeRelativeName(const std::string& name);

// A file time (seconds since 1970, UTC) as the local clock reads it, like the simulator's time stamps.
uint32_t LocalFileTime(int64_t utcSeconds);
