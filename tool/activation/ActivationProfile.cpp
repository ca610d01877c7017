#include "activation/ActivationProfile.h"

#include "activation/EntryPaths.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"

#include <algorithm>
#include <initializer_list>

#include <QCoreApplication>

namespace {

const QString dllStart = QStringLiteral("<DLL>");
const QString dllEnd = QStringLiteral("</DLL>");
const QString pyStart = QStringLiteral("<PY>");
const QString pyEnd = QStringLiteral("</PY>");
QString NoDllPath() {
    return QCoreApplication::translate("ActivationProfile", "chemin des DLL non défini");
}

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

Done SaveProfile(const QString& file, const QString& dllPath, const QString& pythonPath) {
    if (dllPath.isEmpty())
        return Failure{file, NoDllPath()};
    return SaveListToFile(file, BuildProfile(dllPath, pythonPath));
}

Result<ActivationProfile> ParseProfile(const QStringList& lines) {
    if (lines.isEmpty())
        return Failure{{}, QCoreApplication::translate("ActivationProfile", "profil vide")};
    ActivationProfile profile;
    qsizetype dllCount = 0;
    if (lines[0] == dllStart) {
        dllCount = std::max<qsizetype>(lines.indexOf(dllEnd, 1) - 1, 0);
        profile.dlls = SectionOfLines(lines, 1, dllCount);
        if (dllCount > 0)
            profile.dlls->folder = FolderOfEntry(lines[1]);
    }
    if (lines.size() <= dllCount + 2)
        return Failure{
            {}, QCoreApplication::translate("ActivationProfile", "pas de liste <PY> après la liste <DLL>")};
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

Result<ActivationProfile> LoadProfile(const QString& file, const QString& dllPath) {
    if (dllPath.isEmpty())
        return Failure{file, NoDllPath()};
    const Result<QStringList> lines = LoadListFromFile(file);
    if (!lines)
        return lines.failure();
    Result<ActivationProfile> profile = ParseProfile(*lines);
    if (!profile)
        return Failure{ResolvePath(file), profile.failure().reason};
    return profile;
}
