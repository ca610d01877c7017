#include "shell/MainActions.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "shell/AddonSource.h"
#include "shell/PathCheck.h"
#include "shell/Settings.h"
#include "shell/SimulatorPrefix.h"
#include "shell/SlicerLaunch.h"
#include "wine/Launcher.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Keeps the simulator's own file once as its "FLYdefault" copy, with a second safety copy beside it.
Outcome KeepDefaultOnce(const QString& original, const QString& keptDefault, const QString& spare) {
    if (FileExists(keptDefault))
        return {};
    if (!CopyFileOver(original, keptDefault))
        return Outcome::Info(
            QCoreApplication::translate("MainActions",
                                        "Votre systtème Fly! est peut être défectueux. Non trouvé : %1")
                .arg(ResolvePath(original)));
    // A second safety copy beside the one just kept: the kept one is what counts, so its failure is silent.
    (void)CopyFileOver(original, spare);
    return {};
}

// The shell's own error report for a program that could not be started.
Outcome Launch(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return {};
    const Done started = StartProgram(program, arguments, FolderOfFile(program), SimulatorPrefix());
    return started ? Outcome() : Outcome::Error(NotStartedText(started.failure()));
}

} // namespace

bool PathsValidAtStart(PathFields& fields, Settings& settings) {
    const QString& exe = settings.FlyExePath;
    if (!FileExists(exe))
        return false;
    fields.LblFLYPath = exe;
    return CheckValidPathes(fields, settings);
}

bool StartArgumentIsSource(const Settings& settings) {
    return IsAddonSource(settings.StartArgument);
}

Outcome CheckPrefs(const QString& flyFolder) {
    const QString& f = flyFolder;
    if (!FolderExists(f))
        return {};
    Outcome outcome = KeepDefaultOnce(f + "control.txt", f + "FLYdefault.fcr", f + "control.bup");
    outcome +=
        KeepDefaultOnce(f + "system/default.key", f + "system/FLYdefault.fky", f + "system/default.bup");
    return outcome;
}

void DeleteHST(const QString& flyFolder) {
    const QString folder = flyFolder + "aircraft";
    if (flyFolder.isEmpty() || !FolderExists(folder))
        return;
    QStringList files;
    ListFiles(folder, QStringLiteral("*.hst"), files, false);
    // A courtesy before a launch: a file that stays (or that the journal refuses) leaves the simulator as it
    // was, so the launch goes on without a word.
    for (const QString& file : files)
        (void)RemoveFile(file, folder);
}

Outcome LaunchSimulator(const Settings& settings, bool deleteHst) {
    if (deleteHst)
        DeleteHST(settings.FlyFolder);
    return Launch(settings.FlyExePath, {});
}

Outcome LaunchFlyStart(const Settings& settings, bool deleteHst) {
    if (deleteHst)
        DeleteHST(settings.FlyFolder);
    return Launch(settings.FlyStartPath, {});
}

QString SlicerInputStart(const QString& flyFolder) {
    const QString slicerFiles = WithBackslash(flyFolder) + "SlicerWork/Slicer Files";
    return FolderExists(slicerFiles) ? slicerFiles : flyFolder;
}

Result<void, Outcome> LaunchSlicer(Settings& settings, const QString& input) {
    if (input.isEmpty())
        return Outcome::Info(QCoreApplication::translate("MainActions", "Aucun fichier sélectionné"));
    return StartFly2Slice(settings, QFileInfo(input).fileName());
}

Outcome MakeSlicerWorkFolders(const QString& chosen) {
    Outcome outcome;
    const QString base = WithBackslash(chosen) + "SlicerWork/";
    for (const QString& folder :
         {base, base + "TGA", base + "Slicer Files", base + "SCF Files", base + "POD", base + "RAS"}) {
        if (FolderExists(folder))
            outcome +=
                Outcome::Info(QCoreApplication::translate("MainActions", "Le répertoire%1 existe déja !")
                                  .arg(ResolvePath(folder)));
        else if (!MakeFolder(folder))
            outcome += Outcome::Info(QCoreApplication::translate("MainActions", "Création impossible %1")
                                         .arg(ResolvePath(folder)));
    }
    return outcome;
}
