#include "platform/WineRegistry.h"

#include "platform/AsciiCase.h"
#include "platform/HomeFolder.h"
#include "platform/NativeFs.h"
#include "platform/ReadOnlyMap.h"

#include <string_view>

namespace {

std::string& PrefixOverride() {
    static std::string prefix;
    return prefix;
}

std::string WinePrefix() {
    if (!PrefixOverride().empty())
        return PrefixOverride();
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.wine";
}

// system.reg writes key names with doubled backslashes; a time stamp may follow the closing bracket.
bool IsFlyKey(std::string_view line) {
    for (const std::string_view key : {R"([Software\\Terminal Reality\\Fly! II])",
                                       R"([Software\\Wow6432Node\\Terminal Reality\\Fly! II])"}) {
        if (line.size() >= key.size() && EqualIgnoringAsciiCase(line.substr(0, key.size()), key))
            return true;
    }
    return false;
}

// The text of a quoted registry string with its escapes undone; nothing when it is no string.
std::optional<std::string> Unquote(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return std::nullopt;
    std::string value;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size())
            ++i;
        value += text[i];
    }
    return value;
}

std::optional<std::string> FindPathValue(std::string_view reg) {
    constexpr std::string_view name = "\"PATH\"=";
    bool inFlyKey = false;
    size_t start = 0;
    while (start < reg.size()) {
        size_t end = reg.find('\n', start);
        if (end == std::string_view::npos)
            end = reg.size();
        std::string_view line = reg.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.starts_with('['))
            inFlyKey = IsFlyKey(line);
        else if (inFlyKey && line.size() > name.size() && EqualIgnoringAsciiCase(line.substr(0, name.size()), name))
            return Unquote(line.substr(name.size()));
    }
    return std::nullopt;
}

// "C:\Games\Fly2" below the prefix's link for drive C:, the way Wine itself finds it.
std::optional<std::string> ThroughDriveLink(const std::string& prefix, const std::string& windowsPath) {
    const char letter = windowsPath.empty() ? '\0' : UpperAscii(windowsPath[0]);
    if (windowsPath.size() < 2 || windowsPath[1] != ':' || letter < 'A' || letter > 'Z')
        return std::nullopt;
    const std::string drive = prefix + "/dosdevices/" + static_cast<char>(letter - 'A' + 'a') + ":";
    if (!IsFolder(drive))
        return std::nullopt;
    std::string rest = windowsPath.substr(2);
    for (char& c : rest)
        if (c == '\\')
            c = '/';
    const bool slashed = rest.empty() || rest.front() == '/';
    return drive + (slashed ? "" : "/") + rest;
}

} // namespace

std::optional<std::string> ReadWineRegistryFlyFolder() {
    const std::string prefix = WinePrefix();
    if (prefix.empty())
        return std::nullopt;
    const ReadOnlyMap map = MapWholeFile(prefix + "/system.reg");
    if (map.data == nullptr)
        return std::nullopt;
    const std::optional<std::string> value =
        FindPathValue(std::string_view(reinterpret_cast<const char*>(map.data), map.size));
    UnmapWholeFile(map.data, map.size);
    return value ? ThroughDriveLink(prefix, *value) : std::nullopt;
}

void SetWinePrefix(const std::string& prefix) {
    PrefixOverride() = prefix;
}
