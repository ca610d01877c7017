#include "platform/WinePrefix.h"

#include "platform/AsciiCase.h"
#include "platform/HomeFolder.h"
#include "platform/NativeFs.h"

#include <algorithm>

namespace {

bool HoldsRegistry(const std::string& folder) {
    return IsRegularFile(folder + "/system.reg");
}

bool IsPrefix(const std::string& folder) {
    return HoldsRegistry(folder) && IsFolder(folder + "/drive_c");
}

char DriveLetter(const std::string& path) {
    const char letter = path.empty() ? '\0' : UpperAscii(path[0]);
    return path.size() >= 2 && path[1] == ':' && letter >= 'A' && letter <= 'Z' ? letter : '\0';
}

// True when path is folder or lies below it (both real paths).
bool LiesIn(const std::string& path, const std::string& folder) {
    return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

// The length of the longest drive link of prefix leading to real (a real path), 0 when none does.
size_t DriveReach(const std::string& prefix, const std::string& real) {
    size_t longest = 0;
    for (const std::string& name : ListFolder(prefix + "/dosdevices")) {
        if (name.size() != 2 || DriveLetter(name) == '\0')
            continue;
        const std::string target = RealPath(prefix + "/dosdevices/" + name);
        if (target.size() > 1 && LiesIn(real, target))
            longest = std::max(longest, target.size());
    }
    return longest;
}

} // namespace

std::vector<std::string> KnownWinePrefixes() {
    const std::string home = HomeFolder();
    if (home.empty())
        return {};
    std::vector<std::string> prefixes;
    if (HoldsRegistry(home + "/.wine"))
        prefixes.push_back(home + "/.wine");
    for (const char* place :
         {"/.local/share/wineprefixes", "/Games", "/.local/share/bottles/bottles",
          "/.var/app/com.usebottles.bottles/data/bottles/bottles", "/.PlayOnLinux/wineprefix"}) {
        std::vector<std::string> names = ListFolder(home + place);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            const std::string folder = home + place + "/" + name;
            if (HoldsRegistry(folder))
                prefixes.push_back(folder);
        }
    }
    return prefixes;
}

std::optional<std::string> WinePrefixOf(const std::string& folder) {
    const std::string real = RealPath(folder);
    if (real.empty())
        return std::nullopt;
    for (std::string parent = real; !parent.empty(); parent = parent.substr(0, parent.rfind('/'))) {
        if (IsPrefix(parent))
            return parent;
    }
    std::optional<std::string> best;
    size_t bestReach = 0;
    for (const std::string& prefix : KnownWinePrefixes()) {
        const size_t reach = DriveReach(prefix, real);
        if (reach > bestReach) {
            best = prefix;
            bestReach = reach;
        }
    }
    return best;
}

std::optional<std::string> ThroughDosDevices(const std::string& prefix, const std::string& windowsPath) {
    const char letter = DriveLetter(windowsPath);
    if (letter == '\0')
        return std::nullopt;
    const std::string drive = prefix + "/dosdevices/" + static_cast<char>(letter - 'A' + 'a') + ":";
    if (!IsFolder(drive))
        return std::nullopt;
    std::string rest = windowsPath.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    const bool slashed = rest.empty() || rest.front() == '/';
    return drive + (slashed ? "" : "/") + rest;
}

std::string FromWindowsPath(const std::string& path) {
    if (DriveLetter(path) == '\0')
        return path;
    const std::optional<std::string> prefix = WinePrefixOf(".");
    const std::optional<std::string> native = prefix ? ThroughDosDevices(*prefix, path) : std::nullopt;
    return native.value_or(path);
}
