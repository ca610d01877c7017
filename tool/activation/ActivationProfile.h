#pragma once

#include "activation/ActivationEntry.h"
#include "fs/Result.h"

#include <QString>
#include <QStringList>
#include <optional>

// Profile files (*.f2p): "<DLL>", the full paths of the DLL files, "</DLL>", "<PY>", the full paths of
// the script files, "</PY>". A path holding ".notused" stands for an inactive file.

// One list's part of a loaded profile.
struct ProfileSection final {
    std::optional<QString> folder; // the list's new folder label, when the profile sets one
    ActivationEntries entries;
};

struct ActivationProfile final {
    std::optional<ProfileSection> dlls;    // absent: the DLL list is left as it is
    std::optional<ProfileSection> scripts; // absent: the script list is left as it is
};

// The profile lines for the files under dllPath and pythonPath, subfolders included.
QStringList BuildProfile(const QString& dllPath, const QString& pythonPath);
// Writes the profile to file; fails when dllPath is empty (nothing written) or the write fails.
Done SaveProfile(const QString& file, const QString& dllPath, const QString& pythonPath);

// The sections of a profile by the positions of its markers; fails (naming no file) when they can't be
// read.
Result<ActivationProfile> ParseProfile(const QStringList& lines);
// Reads and parses file; fails when dllPath is empty or the profile can't be read.
Result<ActivationProfile> LoadProfile(const QString& file, const QString& dllPath);
