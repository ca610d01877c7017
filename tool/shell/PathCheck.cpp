#include "shell/PathCheck.h"

#include "shell/DialogService.h"
#include "shell/Dialogs.h"
#include "shell/FileUtils.h"
#include "shell/NativeFs.h"
#include "shell/Settings.h"

namespace {

const QString Caption = QStringLiteral("Information:");
const QString Missing =
    QStringLiteral("Auto remplissage impossible! Le(s) sous répertoire(s) n''existe(nt) pas! - ");

QString FolderWithBackslash(const QString& file) {
    return WithBackslash(FolderOfFile(file));
}

// Step 4 of the check: the simulator's three folders that must exist.
bool SubfoldersPresent(const QString& f, PathFields& fields, bool showMessages) {
    if (!FolderExists(f + "system")) {
        if (showMessages)
            ShowCaptioned(Missing + ResolvePath(f + "system") +
                              QStringLiteral(" Ce n''est pas une installation de Fly!2 valide!"),
                          Caption);
        ResetCaptions(fields);
        return false;
    }
    for (const QString& relative : {QStringLiteral("modules/scripts/global"), QStringLiteral("modules/pc")}) {
        const QString folder = f + relative;
        if (FolderExists(folder))
            continue;
        if (showMessages && Dialogs().Question(Missing + ResolvePath(folder) +
                                                   QStringLiteral("- Voulez vous créer un répertoire vide?"),
                                               Caption)) {
            MakeFolderChain(f, relative);
            continue;
        }
        ResetCaptions(fields);
        return false;
    }
    return true;
}

void FillFields(const QString& f, PathFields& fields) {
    Settings& s = AppSettings();
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

void ChooseFolderInto(QString& setting, QString& field) {
    if (setting.isEmpty())
        setting = AppSettings().FlyFolder;
    setting = SelectFolder(setting);
    field = setting;
}

} // namespace

void ResetCaptions(PathFields& fields) {
    const QString flyPath = fields.LblFLYPath;
    fields = PathFields{};
    fields.LblFLYPath = flyPath;
}

bool CheckValidPathes(PathFields& fields, bool showMessages) {
    Settings& s = AppSettings();
    fields.LblFLYPath = FileExists(s.FlyExePath) ? s.FlyExePath : QString();
    if (fields.LblFLYPath.isEmpty()) {
        ShowCaptioned(
            QStringLiteral("Auto remplissage impossible! Répertoire de Fly!2 non spécifié - veuillez utilisé "
                           "le bouton [fly2.exe répertoire]"),
            Caption);
        return false;
    }
    const QString f = FolderWithBackslash(fields.LblFLYPath);
    s.FlyFolder = f;
    s.SceneryFolder = f + "scenery/";
    s.DLLFolderHolder = f + "modules/";
    s.Fly2SlicePath = f + "Fly2Slice.exe";
    s.CopySourceFolder.clear();
    s.SceneryListFolder.clear();
    if (!SubfoldersPresent(f, fields, showMessages))
        return false;
    FillFields(f, fields);
    return true;
}

void OptionsFormShow(PathFields& fields) {
    Settings& s = AppSettings();
    if (PathPos(QStringLiteral("fly2.exe"), s.FlyExePath) == 0) {
        QString candidate = WithBackslash(s.ProgramFolder) + "fly2.exe";
        if (!FileExists(candidate)) {
            // A tool directly below the root has no folder one up to look in.
            const QString parent = ParentFolder(WithBackslash(s.ProgramFolder));
            candidate = parent.isEmpty() ? QString() : WithBackslash(parent) + "fly2.exe";
            if (!FileExists(candidate))
                return;
        }
        s.FlyExePath = candidate;
    }
    fields.LblFLYPath = s.FlyExePath;
    CheckValidPathes(fields, true);
}

bool OptionsOk(const PathFields& fields) {
    Settings& s = AppSettings();
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

void ChooseFlyExe(PathFields& fields) {
    Settings& s = AppSettings();
    if (s.FlyExePath.isEmpty())
        s.FlyExePath = ParentFolder(WithBackslash(s.ProgramFolder)) + "fly2.exe";
    s.FlyFolder = FolderWithBackslash(s.FlyExePath);
    const QString chosen = PickFile(s.FlyFolder, QString(), QStringLiteral("Fichier fly2.exe trouvé"),
                                    QStringLiteral("FLY2.EXE |fly2.exe"));
    if (chosen.isEmpty()) {
        ResetCaptions(fields);
        return;
    }
    UseFlyExe(fields, chosen);
}

void UseFlyExe(PathFields& fields, const QString& flyExe) {
    Settings& s = AppSettings();
    fields.LblFLYPath = flyExe;
    s.FlyExePath = flyExe;
    s.FlyFolder = FolderWithBackslash(flyExe);
    CheckValidPathes(fields, true);
}

void UseInstallation(PathFields& fields, const QString& folder) {
    UseFlyExe(fields, ResolvePath(WithBackslash(folder) + QStringLiteral("FLY2.EXE")));
}

void ChooseFlyStart(PathFields& fields) {
    QString start = AppSettings().FlyFolder;
    fields.LblFLYStartPath =
        PickFile(start, QString(), QStringLiteral("Chemin vers Flystart.exe Utility trouvé"),
                 QStringLiteral("Cehemin vers FLY! Start Utility (flystart.exe) | flystart.exe"));
}

void ChooseFly2Slice(PathFields& fields) {
    fields.LblFly2SlicerName =
        PickFile(AppSettings().Fly2SliceFolder, QString(), QStringLiteral("Find Tool 2 File"),
                 QStringLiteral("YourTool2Prg.EXE (*.exe)|*.EXE"));
}

void ChooseTgaFolder(PathFields& fields) {
    ChooseFolderInto(AppSettings().TGAPath, fields.LblTGAPath);
}

void ChooseRasFolder(PathFields& fields) {
    ChooseFolderInto(AppSettings().RASPath, fields.LblRASPath);
}

void ShowAutofillInfo() {
    ShowCaptioned(QStringLiteral("Use [FLY!II.EXE-Path] button to enable AUTOFILL!"), Caption);
}
