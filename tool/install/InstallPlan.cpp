#include "install/InstallPlan.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "install/AddonLibrary.h"
#include "install/ImporterRun.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// The walk changes nothing, so it keeps what the installation will have made by the time it reaches each
// entry: the files and folders, by lower-case path as the lookups ignore case, and their names on disk.
// Each path of a step is resolved once.
struct Walk final {
    const InstallRequest& request;
    QString fly;          // the simulator folder with trailing '/'
    QString sourceFolder; // a source folder's real path; empty for an archive
    QHash<QString, QString> made;
    AddonLibrary library;
    QSet<QString> folders; // the steps' folders found there already, as the steps name them
    QHash<QString, QString> realFolders; // the steps' folders, as the steps name them, and their real paths
};

QString KeyOf(QString onDisk) {
    while (onDisk.size() > 1 && onDisk.endsWith('/'))
        onDisk.chop(1);
    return onDisk.toLower();
}

QString Key(const QString& path) {
    return KeyOf(ResolvePath(path));
}

// The path as it will be on disk when the installation gets there.
QString OnDisk(const Walk& w, const QString& onDisk) {
    return w.made.value(KeyOf(onDisk), onDisk);
}

bool WillExist(const Walk& w, const ResolvedPath& path) {
    return path.found || w.made.contains(KeyOf(path.onDisk));
}

// The real path of a step's folder, found once for all the steps that copy into it.
const QString& RealStepFolder(Walk& w, const QString& folder) {
    auto it = w.realFolders.find(folder);
    if (it == w.realFolders.end())
        it = w.realFolders.insert(folder, RealFolder(folder));
    return *it;
}

// The name's extension from its last dot, lower case ("" when it has none).
QString ExtensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

// The folder a file of this extension goes to for the request's type; empty: not installed.
QString TargetFolder(const Walk& w, const QString& extension) {
    const InstallType type = w.request.type;
    const bool pod = extension == QLatin1String(".pod");
    const bool scf = extension == QLatin1String(".scf");
    if (extension == QLatin1String(".bgr") || extension == QLatin1String(".tms") ||
        extension == QLatin1String(".txp"))
        return type <= InstallType::Taxiways ? w.fly + QStringLiteral("data/") : QString();
    if (type == InstallType::Scenery && (pod || scf))
        return w.fly + QStringLiteral("scenery/");
    if (type == InstallType::ExternalScenery && (pod || scf))
        return WithBackslash(w.request.destination);
    if (type == InstallType::Taxiways && pod)
        return w.fly + QStringLiteral("taxiways/");
    return {};
}

// Whether an entry that is not a folder stands where a level of folder belongs, so it can't be made.
bool FolderBlocked(const QString& folder) {
    for (QString level = WithBackslash(folder); !level.isEmpty();) {
        const QString entry = level.left(level.size() - 1);
        if (FolderExists(entry))
            return false;
        if (PathExists(entry))
            return true;
        const QString parent = ParentFolder(level);
        if (parent == level)
            return false;
        level = parent;
    }
    return false;
}

// The step's folder, when it is missing and not made by an earlier step, is made for this one, with every
// level of it that is missing.
void NoteFolder(Walk& w, InstallStep& step) {
    if (w.folders.contains(step.folder))
        return;
    if (FolderExists(step.folder)) {
        w.folders.insert(step.folder);
        return;
    }
    if (w.made.contains(Key(step.folder)))
        return;
    step.newFolder = OnDisk(w, ResolvePath(step.folder));
    step.folderBlocked = FolderBlocked(step.folder);
    if (step.folderBlocked) {
        step.refusal = QCoreApplication::translate("InstallPlan", "le répertoire %1 ne peut pas être créé")
                           .arg(step.newFolder);
        return;
    }
    for (QString level = WithBackslash(step.folder); !FolderExists(level) && !w.made.contains(Key(level));) {
        w.made.insert(Key(level), OnDisk(w, ResolvePath(level)));
        const QString parent = ParentFolder(level);
        if (parent == level)
            break;
        level = parent;
    }
}

// The refusals that leave every folder as it is. An archive's names were checked with its table.
QString PathRefusal(Walk& w, const InstallStep& step, bool there) {
    if (step.dex && !IsPlainDexName(step.to.Name()))
        return QCoreApplication::translate("InstallPlan",
                                           "nom que l'importateur lirait comme autre chose qu'un fichier");
    if (step.file.entry < 0 && !LiesInside(step.file.path, w.sourceFolder))
        return QCoreApplication::translate("InstallPlan", "hors du répertoire source");
    if (!LiesInside(there ? WriteTarget(step.to) : step.to, RealStepFolder(w, step.folder)))
        return QCoreApplication::translate("InstallPlan", "la copie sortirait de son répertoire");
    return {};
}

// The failures of the copy itself, once its folder is there (there: an entry has the target's name).
QString CopyRefusal(const SourceFile& source, const ResolvedPath& target, bool there) {
    if (source.entry < 0 && !FileExists(source.path))
        return QCoreApplication::translate("InstallPlan", "fichier source introuvable");
    if (!there)
        return {};
    if (source.entry < 0 && SameFile(source.path, target))
        return QCoreApplication::translate("InstallPlan", "la copie serait le fichier source lui-même");
    if (FolderExists(target))
        return QCoreApplication::translate("InstallPlan", "un répertoire porte ce nom à la destination");
    return {};
}

// The ".installed" name beside a source, resolved.
ResolvedPath InstalledName(const ResolvedPath& source) {
    return ResolveBeside(source, source.onDisk + QStringLiteral(".installed"));
}

// Whether a source can take its ".installed" name, renamed.
InstallStep::Rename PlanRename(Walk& w, const ResolvedPath& renamed) {
    if (WillExist(w, renamed))
        return InstallStep::Rename::Blocked;
    w.made.insert(KeyOf(renamed.onDisk), renamed.onDisk);
    return InstallStep::Rename::Yes;
}

QString ImporterOf(const InstallRequest& request, const QString& dexFolder) {
    const QString program =
        request.importer.isEmpty() ? FindImporter(dexFolder, request.toolFolder).program : request.importer;
    return ResolvePath(program);
}

// In the order the installation checks: a DEX file's folder is made before anything else; another file's
// only for a copy whose source and target both stay inside their folders.
InstallStep Decide(Walk& w, const SourceFile& file, const QString& folder, const QString& name, bool dex) {
    InstallStep step;
    step.source = file.shown;
    step.file = file;
    step.folder = folder;
    step.dex = dex;
    step.to = Resolve(folder + name);
    step.to.onDisk = step.target = OnDisk(w, step.to.onDisk);
    const bool there = step.to.found;
    if (dex)
        NoteFolder(w, step);
    if (step.refusal.isEmpty())
        step.refusal = PathRefusal(w, step, there);
    if (!dex && step.refusal.isEmpty())
        NoteFolder(w, step);
    if (step.refusal.isEmpty())
        step.refusal = CopyRefusal(file, step.to, there);
    if (!step.refusal.isEmpty())
        return step;
    step.replaces = there || w.made.contains(KeyOf(step.to.onDisk));
    if (step.replaces && !w.made.contains(KeyOf(step.to.onDisk)))
        step.owner = w.library.OwnerName(WriteTarget(step.to).onDisk);
    w.made.insert(KeyOf(step.to.onDisk), step.target);
    if (file.entry < 0 && w.request.renameSources) {
        step.renamed = InstalledName(file.path);
        step.rename = PlanRename(w, step.renamed);
    }
    if (dex)
        step.importer = ImporterOf(w.request, folder);
    return step;
}

// The refusal for a destination that doesn't suit the type, or empty.
QString DestinationProblem(const Walk& w) {
    const QString scenery = w.fly + QStringLiteral("scenery/");
    if (w.request.type == InstallType::Scenery && w.request.destination != scenery)
        return QCoreApplication::translate("InstallPlan",
                                           "Réinitialisez la valeur par défaut du répertoire de Fly! "
                                           "ou vérifié le bouton radio [Fichier scène extérieur]");
    if (w.request.type == InstallType::ExternalScenery && w.request.destination == scenery)
        return QCoreApplication::translate("InstallPlan",
                                           "Select EXTERNAL scenery folder OR check [scenery] radiobutton");
    return {};
}

// Every file at the same path below the simulator folder; those outside its own folders only once the
// user said so.
void PlanTree(Walk& w, InstallPlan& plan) {
    for (const SourceFile& file : std::as_const(plan.source.files)) {
        const qsizetype slash = file.name.lastIndexOf('/');
        InstallStep step =
            Decide(w, file, w.fly + file.name.left(slash + 1), file.name.mid(slash + 1), false);
        if (!InKnownFolder(file.name)) {
            plan.outside << file.shown;
            if (!w.request.installOutside && step.refusal.isEmpty())
                step.refusal = QCoreApplication::translate(
                    "InstallPlan", "hors des répertoires de Fly!, installé seulement si vous le confirmez");
        }
        plan.steps.append(step);
    }
}

void PlanSteps(Walk& w, InstallPlan& plan) {
    const InstallType type = w.request.type;
    if (type == InstallType::Aircraft || type == InstallType::Script)
        return;
    if (type == InstallType::Tree)
        return PlanTree(w, plan);
    for (const SourceFile& file : std::as_const(plan.source.files)) {
        if (file.name.contains('/')) {
            plan.leftOut << file.shown;
            continue;
        }
        const QString extension = ExtensionOf(file.name);
        if (type == InstallType::Dex) {
            if (extension != QLatin1String(".dex"))
                continue;
            plan.steps.append(Decide(w, file, w.fly + QStringLiteral("dex/"), file.name, true));
            if (plan.steps.last().folderBlocked)
                break;
            continue;
        }
        const QString folder = TargetFolder(w, extension);
        if (!folder.isEmpty())
            plan.steps.append(Decide(w, file, folder, file.name, false));
    }
}

// Whose file a copy replaces: an add-on's, the original, or the one an earlier copy made.
QString Replaced(const InstallStep& step) {
    if (!step.replaces)
        return {};
    if (step.owner.isEmpty())
        return QCoreApplication::translate("InstallPlan", " (remplace le fichier copié plus haut)");
    if (step.owner == OriginalFileName())
        return QCoreApplication::translate("InstallPlan", " (remplace le fichier d'origine)");
    return QCoreApplication::translate("InstallPlan", " (remplace le fichier de l'add-on « %1 »)")
        .arg(step.owner);
}

void DescribeStep(const InstallStep& step, QStringList& lines) {
    if (step.dex && step.folderBlocked) {
        lines << QCoreApplication::translate("InstallPlan",
                                             "Arrêt : le répertoire [DEX] %1 ne peut pas être créé, "
                                             "l'installation s'arrête ici")
                     .arg(step.newFolder);
        return;
    }
    if (!step.newFolder.isEmpty() && !step.folderBlocked)
        lines << QCoreApplication::translate("InstallPlan", "Nouveau répertoire : %1").arg(step.newFolder);
    if (!step.refusal.isEmpty()) {
        lines << QCoreApplication::translate("InstallPlan", "Non installé : %1 (%2)")
                     .arg(step.source, step.refusal);
        return;
    }
    lines << QCoreApplication::translate("InstallPlan", "Copie : %1 -> %2").arg(step.source, step.target) +
                 Replaced(step);
    const QString renamed = step.source + QStringLiteral(".installed");
    if (step.rename == InstallStep::Rename::Yes)
        lines << QCoreApplication::translate("InstallPlan", "Renommage : %1 -> %2").arg(step.source, renamed);
    else if (step.rename == InstallStep::Rename::Blocked)
        lines << QCoreApplication::translate("InstallPlan", "Pas de renommage : %1 existe déjà").arg(renamed);
    if (step.dex)
        lines << QCoreApplication::translate("InstallPlan", "Import dans la base de données : %1 par %2")
                     .arg(step.to.Name(), step.importer);
}

void DescribeArchiveRename(const InstallPlan& plan, QStringList& lines) {
    const QString renamed = plan.source.root + QStringLiteral(".installed");
    if (plan.archiveRename == InstallStep::Rename::Yes)
        lines << QCoreApplication::translate("InstallPlan", "Renommage : %1 -> %2")
                     .arg(plan.source.root, renamed);
    else if (plan.archiveRename == InstallStep::Rename::Blocked)
        lines << QCoreApplication::translate("InstallPlan", "Pas de renommage : %1 existe déjà").arg(renamed);
}

} // namespace

InstallPlan PlanInstallation(const InstallRequest& request) {
    const RealFoldersKept realFolders; // the walk makes nothing
    InstallPlan plan;
    if (request.sourceFolder.isEmpty()) {
        plan.refusal =
            QCoreApplication::translate("InstallPlan", "Répertoire Source manaquant pour installer!");
        return plan;
    }
    Walk walk{request, WithBackslash(request.flyFolder), {}, {}, AddonLibrary(request.flyFolder), {}, {}};
    plan.refusal = DestinationProblem(walk);
    if (!plan.refusal.isEmpty())
        return plan;
    Result<InstallSource> source = ReadInstallSource(request);
    if (!source) {
        plan.refusal =
            QCoreApplication::translate("InstallPlan", "Archive refusée, rien n'a été installé : %1\n%2")
                .arg(source.failure().path, source.failure().reason);
        return plan;
    }
    plan.source = std::move(*source);
    if (!plan.source.archive)
        walk.sourceFolder = RealFolder(request.sourceFolder);
    // A damaged library still names the owners of what it read before the damage.
    (void)walk.library.Load();
    plan.firstLine = FirstLogLine(request.type);
    PlanSteps(walk, plan);
    const bool installs = std::any_of(plan.steps.cbegin(), plan.steps.cend(),
                                      [](const InstallStep& step) { return step.refusal.isEmpty(); });
    if (plan.source.archive && installs && request.renameSources)
        plan.archiveRename = PlanRename(walk, InstalledName(Resolve(plan.source.root)));
    return plan;
}

QStringList DescribePlan(const InstallPlan& plan) {
    QStringList lines;
    for (const InstallStep& step : plan.steps)
        DescribeStep(step, lines);
    if (plan.steps.isEmpty())
        lines << QCoreApplication::translate("InstallPlan", "Aucun fichier à installer");
    DescribeArchiveRename(plan, lines);
    for (const QString& file : plan.leftOut)
        lines << QCoreApplication::translate("InstallPlan",
                                             "Laissé de côté : %1 (dans un sous-répertoire : le type « %2 » "
                                             "l'installe)")
                     .arg(file, InstallTypeCaption(InstallType::Tree));
    return lines;
}
