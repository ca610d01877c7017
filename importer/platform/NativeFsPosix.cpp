#include "platform/NativeFs.h"

#include "platform/AsciiCase.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Exists(const std::string& native) {
    struct stat info;
    return lstat(native.c_str(), &info) == 0;
}

// The entry of folder whose name equals component without regard to ASCII case, or "" when none.
std::string FindIgnoringCase(const std::string& folder, const std::string& component) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return {};
    std::string found;
    while (const dirent* entry = readdir(dir)) {
        if (EqualIgnoringAsciiCase(entry->d_name, component)) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

std::string Join(const std::string& folder, const std::string& component) {
    if (folder.empty() || folder.back() == '/')
        return folder + component;
    return folder + '/' + component;
}

} // namespace

std::string NativePath(const std::string& path) {
    std::string slashed = path;
    for (char& c : slashed)
        if (c == '\\')
            c = '/';
    std::string result = (!slashed.empty() && slashed[0] == '/') ? "/" : "";
    bool parentExists = true;
    size_t start = 0;
    while (start < slashed.size()) {
        size_t end = slashed.find('/', start);
        if (end == std::string::npos)
            end = slashed.size();
        std::string component = slashed.substr(start, end - start);
        start = end + 1;
        if (component.empty())
            continue;
        std::string candidate = Join(result, component);
        if (parentExists && component != "." && component != ".." && !Exists(candidate)) {
            const std::string other = FindIgnoringCase(result, component);
            if (other.empty())
                parentExists = false;
            else
                candidate = Join(result, other);
        }
        result = candidate;
    }
    if (!slashed.empty() && slashed.back() == '/' && !result.empty() && result.back() != '/')
        result += '/';
    return result;
}

std::string RealPath(const std::string& path) {
    char* resolved = realpath(NativePath(path).c_str(), nullptr);
    if (resolved == nullptr)
        return {};
    std::string real = resolved;
    std::free(resolved);
    return real;
}

std::string ShownPath(const std::string& path, const std::string& folder) {
    std::string base = folder;
    std::replace(base.begin(), base.end(), '\\', '/');
    if (!base.empty() && base.back() != '/')
        base += '/';
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    const bool full =
        slashed.size() >= base.size() && EqualIgnoringAsciiCase(slashed.substr(0, base.size()), base);
    if (base.empty() || full || slashed.starts_with('/'))
        return NativePath(path);
    const std::string shownBase = NativePath(base);
    return NativePath(shownBase + path).substr(shownBase.size());
}

bool PathExists(const std::string& path) {
    struct stat info;
    return stat(NativePath(path).c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(NativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

int CreateFolder(const std::string& path) {
    return mkdir(NativePath(path).c_str(), 0777) == 0 ? 0 : errno;
}

int RemoveFile(const std::string& path) {
    return unlink(NativePath(path).c_str()) == 0 ? 0 : errno;
}

bool IsNoSuchFile(int error) {
    return error == ENOENT;
}

int RenameReplacing(const std::string& from, const std::string& to) {
    return rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0 ? 0 : errno;
}

int RenameNoReplace(const std::string& from, const std::string& to) {
    const std::string source = NativePath(from);
    const std::string target = NativePath(to);
    if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without RENAME_NOREPLACE: link fails when the target exists.
    if (link(source.c_str(), target.c_str()) != 0)
        return errno;
    return unlink(source.c_str()) == 0 ? 0 : errno;
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    DIR* dir = opendir(NativePath(path).c_str());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return names;
}

int SyncFolder(const std::string& path) {
    const int fd = open(NativePath(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return error;
}

uint32_t LocalFileTime(int64_t utcSeconds) {
    // Like the simulator: the offset of the local clock now, not at the file's time.
    const time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    return static_cast<uint32_t>(utcSeconds + local.tm_gmtoff);
}
