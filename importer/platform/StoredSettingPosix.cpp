#include "platform/StoredSetting.h"

#include "platform/HomeFolder.h"
#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "platform/ReadOnlyMap.h"

namespace {

std::string& OverrideFile() {
    static std::string path;
    return path;
}

std::string ConfigFolder() {
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

std::string SettingFile() {
    if (!OverrideFile().empty())
        return OverrideFile();
    const std::string config = ConfigFolder();
    return config.empty() ? std::string() : config + "/navmerger/flyfolder";
}

} // namespace

std::optional<std::string> ReadStoredFlyFolder() {
    const std::string file = SettingFile();
    if (file.empty())
        return std::nullopt;
    const ReadOnlyMap map = MapWholeFile(file);
    if (map.data == nullptr)
        return std::nullopt;
    std::string text(reinterpret_cast<const char*>(map.data), map.size);
    UnmapWholeFile(map.data, map.size);
    text = text.substr(0, text.find_first_of(std::string("\r\n\0", 3)));
    if (text.empty())
        return std::nullopt;
    return text;
}

bool StoreFlyFolder(const std::string& folder) {
    const std::string file = SettingFile();
    if (file.empty())
        return false;
    if (OverrideFile().empty()) {
        const std::string config = ConfigFolder();
        CreateFolder(config);
        CreateFolder(config + "/navmerger");
    }
    OutputFile out;
    const std::string line = folder + "\n";
    return out.Create(file, true) == 0 && out.Write(line.data(), line.size()) == 0 && out.Commit() == 0;
}

void SetStoredSettingFile(const std::string& path) {
    OverrideFile() = path;
}
