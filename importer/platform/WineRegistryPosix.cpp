#include "platform/WineRegistry.h"

#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "platform/ReadOnlyMap.h"
#include "platform/SimulatorFolder.h"
#include "platform/WinePrefix.h"

#include <algorithm>
#include <string_view>

namespace {

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
        else if (inFlyKey && line.size() > name.size() &&
                 EqualIgnoringAsciiCase(line.substr(0, name.size()), name))
            return Unquote(line.substr(name.size()));
    }
    return std::nullopt;
}

// The installation registered in prefix, as a real path; nothing when it has none or it is gone.
std::optional<std::string> RegisteredFolder(const std::string& prefix) {
    const ReadOnlyMap map = MapWholeFile(prefix + "/system.reg");
    if (map.data == nullptr)
        return std::nullopt;
    const std::optional<std::string> value =
        FindPathValue(std::string_view(reinterpret_cast<const char*>(map.data), map.size));
    UnmapWholeFile(map.data, map.size);
    const std::optional<std::string> folder = value ? ThroughDosDevices(prefix, *value) : std::nullopt;
    if (!folder || !HoldsFly2Exe(*folder))
        return std::nullopt;
    return RealPath(*folder);
}

} // namespace

std::vector<std::string> FindWineInstallations() {
    std::vector<std::string> found;
    for (const std::string& prefix : KnownWinePrefixes()) {
        const std::optional<std::string> folder = RegisteredFolder(prefix);
        if (folder && std::find(found.begin(), found.end(), *folder) == found.end())
            found.push_back(*folder);
    }
    return found;
}

std::optional<std::string> ReadWineRegistryFlyFolder() {
    const std::vector<std::string> found = FindWineInstallations();
    if (found.size() != 1)
        return std::nullopt;
    return found.front();
}
