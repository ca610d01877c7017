#include "wine/WinePrefix.h"

#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "wine/HomeFolder.h"

#include <algorithm>

namespace {

bool HoldsRegistry(const QString& folder) {
    return FileExists(folder + "/system.reg");
}

bool IsPrefix(const QString& folder) {
    return HoldsRegistry(folder) && FolderExists(folder + "/drive_c");
}

// The upper-case drive letter that path begins with ("C:", "c:\..."), or no character.
QChar DriveLetter(const QString& path) {
    if (path.size() < 2 || path[1] != ':' || path[0].unicode() >= 128 || !path[0].isLetter())
        return {};
    return path.size() == 2 || path[2] == '\\' || path[2] == '/' ? path[0].toUpper() : QChar();
}

// True when path is folder or lies below it (both real paths).
bool LiesIn(const QString& path, const QString& folder) {
    return path == folder || (path.startsWith(folder) && path[folder.size()] == '/');
}

// The length of the longest drive link of prefix leading to real (a real path), 0 when none does.
qsizetype DriveReach(const QString& prefix, const QString& real) {
    qsizetype longest = 0;
    for (const QString& name : EntryNames(prefix + "/dosdevices")) {
        if (name.size() != 2 || DriveLetter(name).isNull())
            continue;
        const QString target = RealPath(prefix + "/dosdevices/" + name);
        if (target.size() > 1 && LiesIn(real, target))
            longest = std::max(longest, target.size());
    }
    return longest;
}

} // namespace

QStringList KnownWinePrefixes() {
    const QString home = HomeFolder();
    if (home.isEmpty())
        return {};
    QStringList prefixes;
    if (HoldsRegistry(home + "/.wine"))
        prefixes << home + "/.wine";
    for (const char* place :
         {"/.local/share/wineprefixes", "/Games", "/.local/share/bottles/bottles",
          "/.var/app/com.usebottles.bottles/data/bottles/bottles", "/.PlayOnLinux/wineprefix"}) {
        QStringList names = EntryNames(home + place);
        std::sort(names.begin(), names.end());
        for (const QString& name : names) {
            const QString folder = home + place + '/' + name;
            if (HoldsRegistry(folder))
                prefixes << folder;
        }
    }
    return prefixes;
}

QString WinePrefixOf(const QString& folder) {
    const QString real = RealPath(folder);
    for (QString parent = real; !parent.isEmpty(); parent = parent.left(parent.lastIndexOf('/'))) {
        if (IsPrefix(parent))
            return parent;
    }
    QString best;
    qsizetype bestReach = 0;
    for (const QString& prefix : real.isEmpty() ? QStringList() : KnownWinePrefixes()) {
        const qsizetype reach = DriveReach(prefix, real);
        if (reach > bestReach) {
            best = prefix;
            bestReach = reach;
        }
    }
    return best;
}

QString ThroughDosDevices(const QString& prefix, const QString& windowsPath) {
    const QChar letter = DriveLetter(windowsPath);
    if (letter.isNull())
        return {};
    const QString drive = prefix + "/dosdevices/" + letter.toLower() + ':';
    if (!FolderExists(drive))
        return {};
    QString rest = windowsPath.mid(2);
    rest.replace('\\', '/');
    return drive + (rest.isEmpty() || rest.startsWith('/') ? "" : "/") + rest;
}

QString SimulatorWinePrefix(const QString& folder) {
    if (folder.isEmpty())
        return {};
    if (DriveLetter(folder).isNull())
        return WinePrefixOf(folder);
    for (const QString& prefix : KnownWinePrefixes()) {
        const QString native = ThroughDosDevices(prefix, folder);
        if (!native.isEmpty() && FolderExists(native))
            return prefix;
    }
    return {};
}

QString FromWindowsPath(const QString& path, const QString& simulatorFolder) {
    if (DriveLetter(path).isNull())
        return path;
    QString prefix = SimulatorWinePrefix(simulatorFolder);
    if (prefix.isEmpty() && !HomeFolder().isEmpty())
        prefix = HomeFolder() + "/.wine";
    const QString native = prefix.isEmpty() ? QString() : ThroughDosDevices(prefix, path);
    return native.isEmpty() ? path : native;
}
