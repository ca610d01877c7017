#include "activation/ActivationProfile.h"

#include "activation/EntryPaths.h"
#include "fs/FileUtils.h"

#include <algorithm>
#include <initializer_list>

namespace {

const QString dllStart = QStringLiteral("<DLL>");
const QString dllEnd = QStringLiteral("</DLL>");
const QString pyStart = QStringLiteral("<PY>");
const QString pyEnd = QStringLiteral("</PY>");

void AddListings(const QString& folder, std::initializer_list<const char*> masks, QStringList& lines) {
    if (folder.isEmpty())
        return;
    for (const char* mask : masks)
        ListFilesAndFolders(folder, QLatin1String(mask), lines, true);
}

ActivationEntry EntryOfLine(const QString& line) {
    const QString name = BareName(line);
    return {name, PathPos(QStringLiteral(".notused"), name) == 0};
}

ProfileSection SectionOfLines(const QStringList& lines, qsizetype first, qsizetype last) {
    ProfileSection section;
    for (qsizetype i = first; i <= last; ++i)
        section.entries.append(EntryOfLine(lines[i]));
    return section;
}

} // namespace

QStringList BuildProfile(const QString& dllPath, const QString& pythonPath) {
    QStringList lines{dllStart};
    AddListings(dllPath, {"*.dll", "*.dll.notused"}, lines);
    lines << dllEnd << pyStart;
    AddListings(pythonPath, {"*.pyc", "*.pyc.notused", "*.py", "*.py.notused"}, lines);
    lines << pyEnd;
    return lines;
}

bool SaveProfile(const QString& file, const QString& dllPath, const QString& pythonPath) {
    return !dllPath.isEmpty() && SaveListToFile(file, BuildProfile(dllPath, pythonPath));
}

std::optional<ActivationProfile> ParseProfile(const QStringList& lines) {
    if (lines.isEmpty())
        return std::nullopt;
    ActivationProfile profile;
    qsizetype dllCount = 0;
    if (lines[0] == dllStart) {
        dllCount = std::max<qsizetype>(lines.indexOf(dllEnd, 1) - 1, 0);
        profile.dlls = SectionOfLines(lines, 1, dllCount);
        if (dllCount > 0)
            profile.dlls->folder = FolderOfEntry(lines[1]);
    }
    if (lines.size() <= dllCount + 2)
        return std::nullopt;
    if (lines[dllCount + 2] == pyStart) {
        const qsizetype first = dllCount + 3;
        const qsizetype end = lines.indexOf(pyEnd, first);
        profile.scripts = SectionOfLines(lines, first, end - 1);
        // A section without entries sets an empty folder label.
        if (end >= first)
            profile.scripts->folder = end > first ? FolderOfEntry(lines[first]) : QString();
    }
    return profile;
}

std::optional<ActivationProfile> LoadProfile(const QString& file, const QString& dllPath) {
    QStringList lines;
    LoadListFromFile(file, lines);
    if (dllPath.isEmpty())
        return std::nullopt;
    return ParseProfile(lines);
}
