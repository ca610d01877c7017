#include "shell/PathCheck.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/SystemReason.h"
#include "shell/Settings.h"

#include <cerrno>

namespace {

QString FolderWithBackslash(const QString& file) {
    return WithBackslash(FolderOfFile(file));
}

void FillFieldsFrom(const QString& f, PathFields& fields, Settings& s) {
    fields.LblRenderIniPath = f + "system/render.ini";
    fields.LblDLLPath = f + "modules/pc";
    fields.LblPythonPath = f + "modules/scripts/global";
    fields.LblFlyIniPath = f + "system/fly.ini";
    fields.LblDLLFolderHolder = f + "modules/";
    fields.LblFly2SlicerName = s.Fly2SlicePath;
    s.FlyStartPath = f + "flystart.exe";
    if (!FileExists(s.FlyStartPath))
        s.FlyStartPath.clear();
    fields.LblFLYStartPath = s.FlyStartPath;
    if (FolderExists(f + "SlicerWork")) {
        if (FolderExists(f + "SlicerWork/TGA"))
            fields.LblTGAPath = f + "SlicerWork/TGA";
        if (FolderExists(f + "SlicerWork/RAS"))
            fields.LblRASPath = f + "SlicerWork/RAS";
    }
}

} // namespace

void ResetCaptions(PathFields& fields) {
    const QString flyPath = fields.LblFLYPath;
    fields = PathFields{};
    fields.LblFLYPath = flyPath;
}

Done CheckFlyFolder(PathFields& fields, Settings& s) {
    fields.LblFLYPath = FileExists(s.FlyExePath) ? s.FlyExePath : QString();
    if (fields.LblFLYPath.isEmpty())
        return Failure{ResolvePath(s.FlyExePath), SystemReason(ENOENT)};
    const QString f = FolderWithBackslash(fields.LblFLYPath);
    s.FlyFolder = f;
    s.SceneryFolder = f + "scenery/";
    s.DLLFolderHolder = f + "modules/";
    s.Fly2SlicePath = f + "Fly2Slice.exe";
    s.CopySourceFolder.clear();
    s.SceneryListFolder.clear();
    if (FolderExists(f + "system"))
        return {};
    ResetCaptions(fields);
    return Failure{ResolvePath(f + "system"), SystemReason(ENOENT)};
}

QStringList MissingSubfolders(const PathFields& fields) {
    const QString f = FolderWithBackslash(fields.LblFLYPath);
    QStringList missing;
    for (const QString& relative : {QStringLiteral("modules/scripts/global"), QStringLiteral("modules/pc")})
        if (!FolderExists(f + relative))
            missing << relative;
    return missing;
}

void FillFields(PathFields& fields, Settings& settings) {
    FillFieldsFrom(FolderWithBackslash(fields.LblFLYPath), fields, settings);
}

bool CheckValidPathes(PathFields& fields, Settings& settings) {
    if (!CheckFlyFolder(fields, settings))
        return false;
    if (!MissingSubfolders(fields).isEmpty()) {
        ResetCaptions(fields);
        return false;
    }
    FillFields(fields, settings);
    return true;
}

bool FindFlyExe(Settings& s) {
    if (PathPos(QStringLiteral("fly2.exe"), s.FlyExePath) == 0) {
        QString candidate = WithBackslash(s.ProgramFolder) + "fly2.exe";
        if (!FileExists(candidate)) {
            // A tool directly below the root has no folder one up to look in.
            const QString parent = ParentFolder(WithBackslash(s.ProgramFolder));
            candidate = parent.isEmpty() ? QString() : WithBackslash(parent) + "fly2.exe";
            if (!FileExists(candidate))
                return false;
        }
        s.FlyExePath = candidate;
    }
    return true;
}

bool OptionsOk(const PathFields& fields, Settings& s) {
    s.FlyExePath = fields.LblFLYPath;
    if (!FileExists(s.FlyExePath))
        return false;
    s.FlyFolder = FolderWithBackslash(s.FlyExePath);
    s.DLLPath = fields.LblDLLPath;
    s.PythonPath = fields.LblPythonPath;
    s.FlyIniPath = fields.LblFlyIniPath;
    s.RenderIniPath = fields.LblRenderIniPath;
    s.FlyStartPath = fields.LblFLYStartPath;
    s.DLLFolderHolder = fields.LblDLLFolderHolder;
    return true;
}

QString FlyExeDialogStart(Settings& s) {
    if (s.FlyExePath.isEmpty())
        s.FlyExePath = ParentFolder(WithBackslash(s.ProgramFolder)) + "fly2.exe";
    s.FlyFolder = FolderWithBackslash(s.FlyExePath);
    return s.FlyFolder;
}

void TakeFlyExe(PathFields& fields, Settings& s, const QString& flyExe) {
    fields.LblFLYPath = flyExe;
    s.FlyExePath = flyExe;
    s.FlyFolder = FolderWithBackslash(flyExe);
}

QString InstallationFlyExe(const QString& folder) {
    return ResolvePath(WithBackslash(folder) + QStringLiteral("FLY2.EXE"));
}

QString FolderDialogStart(const QString& setting, const QString& flyFolder) {
    return setting.isEmpty() ? flyFolder : setting;
}
