#include "install/AddonInstall.h"

#include "install/ImporterRun.h"
#include "shell/FileUtils.h"
#include "shell/NativeFs.h"
#include "shell/Outcome.h"
#include "shell/Progress.h"
#include "shell/Settings.h"

#include <QFileInfo>

namespace {

struct Session final {
    const InstallRequest& request;
    const InstallLog& log;
    QString fly; // the simulator folder with trailing '/'
    Outcome& outcome;
    Progress& progress;
};

// An entry that the request's type installs, and its folder (empty for a DEX file: the dex folder).
struct Planned final {
    QString source;
    QString folder;
};

// The name's extension from its last dot, lower case ("" when it has none).
QString ExtensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

// The folder a file of this extension goes to for the request's type; empty: not installed.
QString TargetFolder(const Session& s, const QString& extension) {
    const InstallType type = s.request.type;
    const bool pod = extension == QLatin1String(".pod");
    const bool scf = extension == QLatin1String(".scf");
    if (extension == QLatin1String(".bgr") || extension == QLatin1String(".tms") ||
        extension == QLatin1String(".txp"))
        return type <= InstallType::Taxiways ? s.fly + QStringLiteral("data/") : QString();
    if (type == InstallType::Scenery && (pod || scf))
        return s.fly + QStringLiteral("scenery/");
    if (type == InstallType::ExternalScenery && (pod || scf))
        return WithBackslash(s.request.destination);
    if (type == InstallType::Taxiways && pod)
        return s.fly + QStringLiteral("taxiways/");
    return {};
}

void MarkInstalled(const Session& s, const QString& source) {
    if (s.request.renameSources)
        RenameNoReplace(source, source + QStringLiteral(".installed"), s.request.sourceFolder);
}

void Failed(const Session& s, const QString& source) {
    s.log(QStringLiteral("FAILED!!!: ") + source);
}

// The source's name is used as it stands; the copy is refused unless it comes from the source folder
// and lands inside folder.
void InstallFile(const Session& s, const QString& source, const QString& folder) {
    const QString target = folder + QFileInfo(source).fileName();
    if (!LiesInside(source, s.request.sourceFolder) ||
        !CopyFileMakingFolders(source, target, folder, s.outcome)) {
        Failed(s, source);
        return;
    }
    s.log(QStringLiteral("Installed: ") + ResolvePath(target));
    MarkInstalled(s, source);
}

// One .dex entry: copied into the dex folder, then imported there; a name that the importer would read
// as something else is not copied at all. False when the dex folder can't be made, which ends the
// installation.
bool InstallDex(const Session& s, const QString& source) {
    const QString dexFolder = s.fly + QStringLiteral("dex/");
    if (!FolderExists(dexFolder) && !MakeFolder(dexFolder)) {
        s.outcome +=
            Outcome::Info(QStringLiteral("Cannot create [DEX] folder. Dex Installation not possible!"));
        return false;
    }
    const QString name = QFileInfo(source).fileName();
    const QString target = dexFolder + name;
    if (!IsPlainDexName(name) || !LiesInside(source, s.request.sourceFolder) ||
        !CopyFileOver(source, target, dexFolder)) {
        Failed(s, source);
        return true;
    }
    s.log(QStringLiteral("Copied: ") + ResolvePath(target));
    MarkInstalled(s, source);
    const ImporterCall call{s.request.importer,    dexFolder, name, s.fly, s.request.toolFolder,
                            s.request.pauseOnError};
    RunImporter(call, s.log, s.progress);
    return true;
}

// The refusal for a destination that doesn't suit the type, or empty.
QString DestinationProblem(const Session& s) {
    const QString scenery = s.fly + QStringLiteral("scenery/");
    if (s.request.type == InstallType::Scenery && s.request.destination != scenery)
        return QStringLiteral("Réinitialisez la valeur par défaut du répertoire de Fly! ou vérifié le bouton "
                              "radio [Fichier scène extérieur]");
    if (s.request.type == InstallType::ExternalScenery && s.request.destination == scenery)
        return QStringLiteral("Select EXTERNAL scenery folder OR check [scenery] radiobutton");
    return {};
}

QString FirstLine(InstallType type) {
    switch (type) {
    case InstallType::Scenery:
        return QStringLiteral("*** Installing Scenery ***");
    case InstallType::ExternalScenery:
        return QStringLiteral("*** Installing Scenery to external/other folder ***");
    case InstallType::Taxiways:
        return QStringLiteral("*** Installing Taxiways ***");
    case InstallType::Dex:
        return QStringLiteral("*** Installing DEX files ***");
    default:
        return {};
    }
}

// The entries of the source list that the type installs, in list order.
QList<Planned> Plan(const Session& s) {
    const InstallType type = s.request.type;
    QList<Planned> plan;
    if (type == InstallType::Aircraft || type == InstallType::Script)
        return plan;
    for (const QString& source : s.request.sourceList) {
        const QString extension = ExtensionOf(QFileInfo(source).fileName());
        if (type == InstallType::Dex) {
            if (extension == QLatin1String(".dex"))
                plan.append({source, {}});
            continue;
        }
        const QString folder = TargetFolder(s, extension);
        if (!folder.isEmpty())
            plan.append({source, folder});
    }
    return plan;
}

QString CancelledLine(qsizetype done, qsizetype all) {
    return QStringLiteral(
               "*** Installation cancelled after %1 of %2 files, the other %3 were not installed ***")
        .arg(done)
        .arg(all)
        .arg(all - done);
}

// Walks the source list; false when the installation had to stop.
bool InstallEntries(const Session& s) {
    const QList<Planned> plan = Plan(s);
    qint64 bytes = 0;
    for (const Planned& entry : plan)
        bytes += FileSize(entry.source);
    s.progress.Start(int(plan.size()), bytes);
    for (qsizetype done = 0; done < plan.size(); ++done) {
        const Planned& entry = plan[done];
        if (!s.progress.Step(entry.source, FileSize(entry.source))) {
            s.log(CancelledLine(done, plan.size()));
            return false;
        }
        if (entry.folder.isEmpty()) {
            if (!InstallDex(s, entry.source))
                return false;
        } else {
            InstallFile(s, entry.source, entry.folder);
        }
    }
    return true;
}

} // namespace

QString SourceDialogStart(const QString& current, Settings& settings) {
    if (!current.isEmpty())
        return current;
    if (!settings.InstallSourceFolder.isEmpty()) {
        if (FolderExists(settings.InstallSourceFolder))
            return settings.InstallSourceFolder;
        settings.InstallSourceFolder = ParentFolder(settings.InstallSourceFolder);
        if (FolderExists(settings.InstallSourceFolder))
            return settings.InstallSourceFolder;
    }
    return settings.SceneryFolder;
}

QStringList ListInstallSource(const QString& folder) {
    QStringList list;
    if (!folder.isEmpty())
        ListFilesAndFolders(folder, QStringLiteral("*.*"), list, false);
    return list;
}

Outcome RunInstallation(const InstallRequest& request, const InstallLog& log, Progress& progress) {
    if (request.sourceFolder.isEmpty())
        return Outcome::Info(QStringLiteral("Répertoire Source manaquant pour installer!"));
    Outcome outcome;
    const Session session{request, log, WithBackslash(request.flyFolder), outcome, progress};
    const QString problem = DestinationProblem(session);
    if (!problem.isEmpty())
        return Outcome::Info(problem);
    const QString first = FirstLine(request.type);
    if (!first.isEmpty())
        log(first);
    if (InstallEntries(session))
        log(QStringLiteral("*** Installation finished ***"));
    return outcome;
}
