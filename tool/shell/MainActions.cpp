#include "shell/MainActions.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/SystemReason.h"
#include "shell/AddonSource.h"
#include "shell/PathCheck.h"
#include "shell/Settings.h"
#include "shell/SimulatorPrefix.h"
#include "wine/Launcher.h"

#include <cerrno>

namespace {

// Keeps the simulator's own file once as its "FLYdefault" copy, with a second safety copy beside it.
void KeepDefaultOnce(Tally& tally, const QString& original, const QString& keptDefault,
                     const QString& spare) {
    if (FileExists(keptDefault))
        return;
    if (const Done kept = CopyFileOver(original, keptDefault); !kept) {
        tally.failed << Failure{ResolvePath(original), kept.failure().reason, kept.failure().refused};
        return;
    }
    ++tally.made;
    // A second safety copy beside the one just kept: the kept one is what counts, so its failure is silent.
    (void)CopyFileOver(original, spare);
}

Done Launch(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return {};
    return StartProgram(program, arguments, FolderOfFile(program), SimulatorPrefix());
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

Tally CheckPrefs(const QString& flyFolder) {
    const QString& f = flyFolder;
    Tally tally;
    if (!FolderExists(f))
        return tally;
    KeepDefaultOnce(tally, f + "control.txt", f + "FLYdefault.fcr", f + "control.bup");
    KeepDefaultOnce(tally, f + "system/default.key", f + "system/FLYdefault.fky", f + "system/default.bup");
    return tally;
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

Done LaunchSimulator(const Settings& settings, bool deleteHst) {
    if (deleteHst)
        DeleteHST(settings.FlyFolder);
    return Launch(settings.FlyExePath, {});
}

Done LaunchFlyStart(const Settings& settings, bool deleteHst) {
    if (deleteHst)
        DeleteHST(settings.FlyFolder);
    return Launch(settings.FlyStartPath, {});
}

QString SlicerInputStart(const QString& flyFolder) {
    const QString slicerFiles = WithBackslash(flyFolder) + "SlicerWork/Slicer Files";
    return FolderExists(slicerFiles) ? slicerFiles : flyFolder;
}

Tally MakeSlicerWorkFolders(const QString& chosen) {
    Tally tally;
    const QString base = WithBackslash(chosen) + "SlicerWork/";
    for (const QString& folder :
         {base, base + "TGA", base + "Slicer Files", base + "SCF Files", base + "POD", base + "RAS"}) {
        if (FolderExists(folder)) {
            tally.failed << Failure{ResolvePath(folder), SystemReason(EEXIST)};
        } else if (const Done made = MakeFolder(folder); !made) {
            tally.failed << Failure{ResolvePath(folder), made.failure().reason, made.failure().refused, true};
        } else {
            ++tally.made;
        }
    }
    return tally;
}
