#include "install/AddonRemoval.h"

#include "fs/FileUtils.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "install/ImporterRun.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalScope.h"
#include "journal/JournalUndo.h"
#include "shell/Progress.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

using Kind = RemovalStep::Kind;

QString Quoted(const QString& name) {
    return QString::fromUtf8("« ") + name + QString::fromUtf8(" »");
}

bool Shares(const QStringList& a, const QSet<QString>& b) {
    return std::any_of(a.cbegin(), a.cend(), [&b](const QString& path) { return b.contains(path); });
}

// The database files a DEX add-on's removal puts back, and the other DEX add-ons imported again on them.
void PlanRebuild(const AddonLibrary& library, int index, RemovalPlan& plan) {
    QSet<QString> affected(library.addons[index].touched.cbegin(), library.addons[index].touched.cend());
    for (bool grew = true; grew;) {
        grew = false;
        for (qsizetype i = 0; i < library.addons.size(); ++i) {
            const Addon& other = library.addons[i];
            if (i == index || other.imports.isEmpty() || plan.reimported.contains(int(i)) ||
                !Shares(other.touched, affected))
                continue;
            plan.reimported << int(i);
            affected.unite(QSet<QString>(other.touched.cbegin(), other.touched.cend()));
            grew = true;
        }
    }
    std::sort(plan.reimported.begin(), plan.reimported.end());
    for (const int other : plan.reimported)
        plan.imports << library.addons[other].imports;
    plan.rebuilt = QStringList(affected.cbegin(), affected.cend());
    plan.rebuilt.sort();
    for (const QString& path : plan.rebuilt)
        if (library.left.contains(path) && FingerprintOf(path, library.left.value(path).hash) != library.left.value(path))
            plan.changedByHand << path;
}

// A name beside path for the file found there, that no file has yet.
QString UserSaveName(const QString& path) {
    QString name = path + QStringLiteral(".usersave");
    for (int n = 2; PathExists(name); ++n)
        name = path + QStringLiteral(".usersave%1").arg(n);
    return name;
}

// One removal in progress: the library is changed as the files are, so that whatever stops it, the
// library describes the folder.
class Remover final {
  public:
    Remover(AddonLibrary& library, const RemovalPlan& plan, const InstallLog& log, Progress& progress)
        : library_(library), plan_(plan), log_(log), progress_(progress), id_(plan.id) {}

    // False when the user cancelled between two files.
    bool Files(bool keepChanged) {
        progress_.Start(int(plan_.steps.size()), 0);
        for (const RemovalStep& step : plan_.steps) {
            if (!progress_.Step(step.path, FileSize(step.path)))
                return false;
            if (const Done done = Apply(step, keepChanged); !done)
                failed_ << done.failure();
            else
                Drop(step);
        }
        return true;
    }

    void Folders() {
        QStringList folders = Addon().folders;
        std::sort(folders.begin(), folders.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const QString& folder : folders) {
            if (FolderExists(folder) && EntryNames(folder).isEmpty()) {
                if (const Done removed = RemoveEmptyFolder(folder); !removed) {
                    failed_ << removed.failure();
                    continue;
                }
            } else if (FolderExists(folder)) {
                HandFolderOn(folder);
            }
            Addon().folders.removeAll(folder);
        }
    }

    // The database rebuilt without the add-on; the failed import that stops the rebuild, if one does.
    Done Database() {
        if (Addon().imports.isEmpty())
            return {};
        for (const QString& path : plan_.rebuilt)
            if (const Done put = PutDatabaseBack(path); !put)
                failed_ << put.failure();
        Addon().imports.clear();
        Addon().touched.clear();
        for (const int index : plan_.reimported)
            if (const Done imported = ImportAgain(library_.addons[index]); !imported)
                return imported;
        for (const QString& path : plan_.rebuilt)
            library_.left.insert(path, FingerprintOf(path));
        ForgetUntouchedBase();
        return {};
    }

    // Takes the add-on out of the library once nothing of it is left, and the store files nobody names.
    void Finish() {
        const ::Addon& addon = Addon();
        if (addon.files.isEmpty() && addon.folders.isEmpty() && addon.imports.isEmpty())
            library_.addons.removeAt(library_.IndexOf(id_));
        // A copy that can't be removed costs room in the store only: no add-on names it, and its name is
        // never given again.
        const QSet<QString> used = library_.StoreNamesUsed();
        for (const QString& stored : std::as_const(released_))
            if (!stored.isEmpty() && !used.contains(stored))
                (void)RemoveFile(library_.StorePath(stored));
    }

    const QList<Failure>& failed() const { return failed_; }

  private:
    ::Addon& Addon() { return library_.addons[library_.IndexOf(id_)]; }

    AddonFile* FileOf(::Addon& addon, const QString& path) {
        for (AddonFile& file : addon.files)
            if (file.path == path)
                return &file;
        return nullptr;
    }

    Done Apply(const RemovalStep& step, bool keepChanged) {
        if (step.kind == Kind::DropLayer)
            return {};
        if (step.changed && keepChanged && PathExists(step.path))
            if (const Done kept = RenameNoReplace(step.path, UserSaveName(step.path)); !kept)
                return kept;
        if (step.kind == Kind::Remove)
            return PathExists(step.path) ? RemoveFile(step.path) : Done();
        return CopyWholeFile(library_.StorePath(FileOf(Addon(), step.path)->stored), step.path);
    }

    // The add-on's layer of the path goes; the one above it, if any, now lies on what the add-on lay on.
    void Drop(const RemovalStep& step) {
        ::Addon& addon = Addon();
        const AddonFile mine = *FileOf(addon, step.path);
        addon.files.removeIf([&step](const AddonFile& file) { return file.path == step.path; });
        if (step.kind != Kind::DropLayer) {
            released_ << mine.stored;
            return;
        }
        const int above = library_.IndexOf(step.upperId);
        AddonFile* upper = above < 0 ? nullptr : FileOf(library_.addons[above], step.path);
        if (upper == nullptr) {
            released_ << mine.stored;
            return;
        }
        released_ << upper->stored;
        upper->before = mine.before;
        upper->stored = mine.stored;
    }

    // A folder the add-on made that still holds files goes to the newest add-on with a file in it.
    void HandFolderOn(const QString& folder) {
        for (qsizetype i = library_.addons.size() - 1; i >= 0; --i) {
            ::Addon& other = library_.addons[i];
            const bool inside = std::any_of(other.files.cbegin(), other.files.cend(), [&folder](const AddonFile& file) {
                return file.path.startsWith(WithBackslash(folder));
            });
            if (other.id != id_ && inside) {
                other.folders << folder;
                return;
            }
        }
    }

    Done PutDatabaseBack(const QString& path) {
        const auto base = std::find_if(library_.base.cbegin(), library_.base.cend(),
                                       [&path](const DatabaseFile& file) { return file.path == path; });
        if (base == library_.base.cend() || base->before.kind == Fingerprint::Kind::Absent)
            return PathExists(path) ? RemoveFile(path) : Done();
        return CopyWholeFile(library_.StorePath(base->stored), path);
    }

    Done ImportAgain(::Addon& addon) {
        for (const DexImport& import : addon.imports) {
            const QHash<QString, Fingerprint> before = DatabaseSnapshot(plan_.flyFolder);
            const ImporterCall call{import.importer, FolderOfFile(import.dexFile) + '/',
                                    QFileInfo(import.dexFile).fileName(), plan_.flyFolder, {}, import.pauseOnError};
            if (const Result<QString> ran = RunImporter(call, log_, progress_); !ran)
                return ran.failure();
            const QHash<QString, Fingerprint> after = DatabaseSnapshot(plan_.flyFolder);
            for (auto it = after.cbegin(); it != after.cend(); ++it)
                if (before.value(it.key()) != it.value() && !addon.touched.contains(it.key()))
                    addon.touched << it.key();
        }
        return {};
    }

    // What no DEX add-on changes any more needs no keeping as it was before them.
    void ForgetUntouchedBase() {
        QSet<QString> touched;
        for (const ::Addon& addon : library_.addons)
            touched.unite(QSet<QString>(addon.touched.cbegin(), addon.touched.cend()));
        for (qsizetype i = library_.base.size() - 1; i >= 0; --i) {
            if (touched.contains(library_.base[i].path))
                continue;
            released_ << library_.base[i].stored;
            library_.left.remove(library_.base[i].path);
            library_.base.removeAt(i);
        }
    }

    AddonLibrary& library_;
    const RemovalPlan& plan_;
    const InstallLog& log_;
    Progress& progress_;
    int id_;
    QStringList released_; // store files the removal no longer needs
    QList<Failure> failed_;
};

using End = RemovalReport::End;

RemovalReport Ended(RemovalReport report, End end, const Failure& failure = {}) {
    report.end = end;
    report.failure = failure;
    return report;
}

// A database that can't be rebuilt without the add-on is no removal: the whole removal is undone, so that
// the database and the library are as they were before it.
RemovalReport TakenBack(const QString& flyFolder, RemovalReport report, const Failure& import) {
    report = Ended(report, End::NotTakenBack, import);
    ChangeJournal journal(flyFolder);
    const QList<JournalEntry> entries = journal.Entries();
    if (entries.isEmpty() || entries[0].operation != RemovalName(report.name))
        return report;
    report.undo = UndoEntries(journal, entries.mid(0, 1));
    if (!report.undo.failed())
        report.end = End::TakenBack;
    return report;
}

} // namespace

QString RemovalName(const QString& addonName) {
    return QString::fromUtf8("Désinstallation ") + Quoted(addonName);
}

QString RemovedName(const QString& removal) {
    const QString prefix = QString::fromUtf8("Désinstallation « ");
    const QString suffix = QString::fromUtf8(" »");
    if (!removal.startsWith(prefix) || !removal.endsWith(suffix))
        return removal;
    return removal.mid(prefix.size(), removal.size() - prefix.size() - suffix.size());
}

QStringList RemovalPlan::Changed() const {
    QStringList changed;
    for (const RemovalStep& step : steps)
        if (step.changed)
            changed << step.path;
    return changed;
}

QStringList RemovalPlan::Describe() const {
    QStringList lines;
    for (const RemovalStep& step : steps) {
        if (step.changed)
            lines << QCoreApplication::translate("AddonRemoval",
                                                 "Conservé sous %1 : modifié depuis l'installation")
                         .arg(UserSaveName(step.path));
        if (step.kind == Kind::PutBack)
            lines << QCoreApplication::translate("AddonRemoval", "Rétabli : %1 (%2)")
                         .arg(step.path, step.below);
        else if (step.kind == Kind::Remove)
            lines << QCoreApplication::translate("AddonRemoval", "Supprimé : %1").arg(step.path);
        else
            lines << QCoreApplication::translate("AddonRemoval",
                                                 "Laissé : %1 (le fichier de « %2 » reste en place)")
                         .arg(step.path, step.above);
    }
    for (const QString& folder : folders)
        lines << QCoreApplication::translate("AddonRemoval", "Répertoire supprimé s'il est vide : %1")
                     .arg(folder);
    for (const QString& path : rebuilt)
        lines << QCoreApplication::translate("AddonRemoval", "Base de données rétablie : %1").arg(path);
    for (const DexImport& import : imports)
        lines << QCoreApplication::translate("AddonRemoval", "Import à nouveau : %1 par %2")
                     .arg(import.dexFile, import.importer);
    return lines;
}

RemovalPlan PlanRemoval(const AddonLibrary& library, int index) {
    const Addon& addon = library.addons[index];
    RemovalPlan plan;
    plan.flyFolder = library.FlyFolder();
    plan.index = index;
    plan.id = addon.id;
    plan.name = addon.name;
    for (const AddonFile& file : addon.files) {
        const QList<int>& owners = library.Owners(file.path);
        const qsizetype at = owners.indexOf(index);
        RemovalStep step;
        step.path = file.path;
        step.below = at > 0 ? library.addons[owners[at - 1]].name : OriginalFileName();
        if (at + 1 < owners.size()) {
            step.kind = Kind::DropLayer;
            step.above = library.addons[owners.last()].name;
            step.upperId = library.addons[owners[at + 1]].id;
        } else {
            step.kind = file.before.kind == Fingerprint::Kind::Absent ? Kind::Remove : Kind::PutBack;
            step.changed = FingerprintOf(file.path, file.after.hash) != file.after;
        }
        plan.steps << step;
    }
    plan.folders = addon.folders;
    if (!addon.imports.isEmpty())
        PlanRebuild(library, index, plan);
    return plan;
}

RemovalReport RemoveAddon(const QString& flyFolder, const RemovalPlan& plan, bool keepChanged,
                          const InstallLog& log, Progress& progress) {
    RemovalReport report;
    report.name = plan.name;
    AddonLibrary library(flyFolder);
    if (const Done loaded = library.Load(); !loaded)
        return Ended(report, End::Damaged, {library.File(), loaded.failure().reason});
    if (library.IndexOf(plan.id) != plan.index || (!keepChanged && !plan.Changed().isEmpty()))
        return Ended(report, End::Stale);
    Done rebuilt;
    bool whole = false;
    {
        const JournalScope journal(flyFolder, RemovalName(plan.name));
        library.pending = RemovalName(plan.name);
        if (const Done marked = library.Save(); !marked)
            return Ended(report, End::NotMarked, marked.failure());
        Remover remover(library, plan, log, progress);
        whole = remover.Files(keepChanged);
        if (whole) {
            remover.Folders();
            rebuilt = remover.Database();
        }
        remover.Finish();
        library.pending.clear();
        report.notChanged = remover.failed();
        report.saved = library.Save();
    }
    if (!rebuilt)
        return TakenBack(flyFolder, report, rebuilt.failure());
    return Ended(report, whole ? End::Removed : End::Cancelled);
}

LibraryRecovery RecoverAddonLibrary(const QString& flyFolder) {
    AddonLibrary library(flyFolder);
    if (const Done loaded = library.Load(); library.pending.isEmpty() || !loaded)
        return {};
    LibraryRecovery recovery;
    recovery.pending = library.pending;
    ChangeJournal journal(flyFolder);
    const QList<JournalEntry> entries = journal.Entries();
    if (entries.isEmpty() || entries[0].operation != library.pending || entries[0].running)
        return recovery;
    recovery.undoable = true;
    recovery.undo = UndoEntries(journal, entries.mid(0, 1));
    return recovery;
}
