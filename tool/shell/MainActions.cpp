#include "shell/MainActions.h"

#include "shell/Dialogs.h"
#include "shell/FileUtils.h"
#include "shell/Launcher.h"
#include "shell/NativeFs.h"
#include "shell/PathCheck.h"
#include "shell/Settings.h"
#include "shell/SlicerLaunch.h"

#include <QFileInfo>

namespace {

// Keeps the simulator's own file once as its "FLYdefault" copy, with a second safety copy beside it.
void KeepDefaultOnce(const QString& original, const QString& keptDefault, const QString& spare) {
    if (FileExists(keptDefault))
        return;
    if (!CopyFileOver(original, keptDefault)) {
        ShowInfo(QStringLiteral("Votre systtème Fly! est peut être défectueux. Non trouvé : ") +
                 ResolvePath(original));
        return;
    }
    CopyFileOver(original, spare);
}

// The shell's own error report for a program that could not be started.
void Launch(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return;
    const QString problem = StartProgram(program, arguments, FolderOfFile(program));
    if (!problem.isEmpty())
        ShowError(problem);
}

} // namespace

bool PathsValidAtStart(PathFields& fields) {
    const QString& exe = AppSettings().FlyExePath;
    if (!FileExists(exe))
        return false;
    fields.LblFLYPath = exe;
    return CheckValidPathes(fields, false);
}

bool StartArgumentIsFolder() {
    const QString& argument = AppSettings().StartArgument;
    return !argument.isEmpty() && FolderExists(argument);
}

void CheckPrefs() {
    const QString f = AppSettings().FlyFolder;
    if (!FolderExists(f))
        return;
    KeepDefaultOnce(f + "control.txt", f + "FLYdefault.fcr", f + "control.bup");
    KeepDefaultOnce(f + "system/default.key", f + "system/FLYdefault.fky", f + "system/default.bup");
}

void DeleteHST() {
    const QString folder = AppSettings().FlyFolder + "aircraft";
    if (AppSettings().FlyFolder.isEmpty() || !FolderExists(folder))
        return;
    QStringList files;
    ListFiles(folder, QStringLiteral("*.hst"), files, false);
    for (const QString& file : files)
        RemoveFile(file, folder);
}

void LaunchSimulator(bool deleteHst) {
    if (deleteHst)
        DeleteHST();
    Launch(AppSettings().FlyExePath, {});
}

void LaunchFlyStart(bool deleteHst) {
    if (deleteHst)
        DeleteHST();
    Launch(AppSettings().FlyStartPath, {});
}

bool LaunchSlicer() {
    Settings& s = AppSettings();
    const QString slicerFiles = WithBackslash(s.FlyFolder) + "SlicerWork/Slicer Files";
    QString start = FolderExists(slicerFiles) ? slicerFiles : s.FlyFolder;
    const QString input = PickFile(start, QStringLiteral("TXT"), QStringLiteral("Select FLY2SLICE-InputFile"),
                                   QStringLiteral("Slicer Inputfile (*.txt)|*.TXT"));
    if (input.isEmpty()) {
        ShowInfo(QStringLiteral("Aucun fichier sélectionné"));
        return false;
    }
    const SlicerLaunch launch = StartFly2Slice(QFileInfo(input).fileName());
    if (launch.message.isEmpty())
        return launch.started;
    if (launch.missing)
        ShowInfo(launch.message);
    else
        ShowError(launch.message);
    return false;
}

void MakeSlicerWorkFolders() {
    ShowInfo(
        QStringLiteral("Veuillez sélectionner le répertoire de base ou seront créés les nouveaux fichiers!"));
    const QString chosen = SelectFolder(AppSettings().FlyFolder);
    if (chosen.isEmpty())
        return;
    const QString base = WithBackslash(chosen) + "SlicerWork/";
    for (const QString& folder :
         {base, base + "TGA", base + "Slicer Files", base + "SCF Files", base + "POD", base + "RAS"}) {
        if (FolderExists(folder))
            ShowInfo(QStringLiteral("Le répertoire") + ResolvePath(folder) +
                     QStringLiteral(" existe déja !"));
        else if (!MakeFolder(folder))
            ShowInfo(QStringLiteral("Création impossible ") + ResolvePath(folder));
    }
}
