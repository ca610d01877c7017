#include "install/AddonInstall.h"

#include "archive/ArchiveReader.h"
#include "fs/CopyBatch.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "install/AddonCapture.h"
#include "install/FailedLine.h"
#include "install/ImporterRun.h"
#include "install/InstallPlan.h"
#include "shell/Progress.h"
#include "shell/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

// The installation in hand: the plan it trusts, and the archive it streams from, in archive order.
struct Session final {
    const InstallRequest& request;
    const InstallPlan& plan;
    const InstallLog& log;
    QString fly; // the simulator folder with trailing '/'
    AddonInstall& done;
    Progress& progress;
    AddonCapture& capture;
    std::unique_ptr<ArchiveReader> reader; // for an archive's plan
    std::vector<char> buffer = std::vector<char>(std::size_t(1) << 18);
};

void Failed(const Session& s, const QString& source, const QString& reason) {
    s.log(FailedLine(Failure{source, reason}));
}

// The bytes of the archive's entry at position, which the reader reaches in archive order.
CopyBatch::Contents EntryContents(Session& s, int position) {
    return [&s, position](const CopyBatch::Writer& write) -> Done {
        for (;;) {
            const Result<const ArchiveEntry*> next = s.reader->Next();
            if (!next)
                return next.failure();
            if (*next == nullptr)
                return Failure{
                    s.plan.source.root,
                    QCoreApplication::translate("AddonInstall", "entrée %1 introuvable").arg(position)};
            if ((*next)->position == position)
                break;
        }
        for (;;) {
            const Result<qint64> got = s.reader->Read(s.buffer.data(), qint64(s.buffer.size()));
            if (!got || *got == 0)
                return got ? Done() : Done(got.failure());
            if (const Done written = write(s.buffer.data(), *got); !written)
                return written;
        }
    };
}

// The copy of a step that the plan lets through, added to batch; the folders it needs are made first. A
// folder that can't be made is still tried, for the box that says so.
Done AddFile(Session& s, const InstallStep& step, CopyBatch& batch) {
    if (!step.refusal.isEmpty() && !step.folderBlocked)
        return Failure{step.source, step.refusal};
    const QString target = WriteTarget(step.to).onDisk;
    if (const Done kept = s.capture.BeforeCopy(target); !kept)
        return Failure{step.source, kept.failure().reason};
    const Result<QStringList> made = MakeFoldersOf(step.to);
    if (!made) {
        if (made.failure().folderNotMade)
            s.done.foldersNotMade << made.failure();
        s.capture.AfterCopy(target, false);
        return Failure{step.source, made.failure().reason, made.failure().refused};
    }
    if (step.file.entry >= 0)
        batch.AddFrom(EntryContents(s, step.file.entry), target, *made);
    else
        batch.Add(step.file.path.onDisk, target, *made);
    return {};
}

// What copy i of batch did, told to the library's capture.
void Captured(Session& s, const CopyBatch& batch, qsizetype i) {
    s.capture.AfterCopy(batch.Target(i), batch.Placed(i), batch.Written(i), batch.MadeFolders(i));
}

void Finished(Session& s, const InstallStep& step, const Done& copied) {
    if (!copied)
        return s.log(FailedLine(
            Failure{step.source, step.refusal.isEmpty() ? copied.failure().reason : step.refusal}));
    ++s.done.installed;
    s.log(QCoreApplication::translate("AddonInstall", "Installed: %1").arg(step.target));
}

// The rename of a step's source to its ".installed" name.
QPair<ResolvedPath, ResolvedPath> Mark(const InstallStep& step) {
    return {step.file.path, step.renamed};
}

// The marks of the sources installed, made together. A mark is a courtesy to the user, and the file is
// installed either way: a rename that fails (or that the journal refuses) leaves its source under its own
// name without a line in the log.
// moved: what each source holds, when the copy just read it.
void MarkInstalled(const Session& s, const QList<QPair<ResolvedPath, ResolvedPath>>& marks,
                   const QList<Fingerprint>& moved = {}) {
    if (!marks.isEmpty())
        (void)RenameAllNoReplace(marks, RealFolder(s.request.sourceFolder), moved);
}

// The copy of one step as a batch of its own.
Done CopyAlone(Session& s, const InstallStep& step) {
    CopyBatch batch;
    if (const Done added = AddFile(s, step, batch); !added)
        return added;
    const CopyBatch::Ran run = batch.Run({0}, [](qsizetype) { return true; });
    Captured(s, batch, 0);
    return run.done;
}

// One .dex entry: copied into the dex folder, then imported there. False when the dex folder can't be
// made, which ends the installation.
bool InstallDex(Session& s, const InstallStep& step) {
    if (!FolderExists(step.folder) && (step.folderBlocked || !MakeFolder(step.folder))) {
        s.done.dexFolderNotMade = true;
        return false;
    }
    if (const Done copied = CopyAlone(s, step); !copied) {
        Failed(s, step.source, step.refusal.isEmpty() ? copied.failure().reason : step.refusal);
        return true;
    }
    ++s.done.installed;
    s.log(QCoreApplication::translate("AddonInstall", "Copied: %1").arg(step.target));
    if (step.rename == InstallStep::Rename::Yes)
        MarkInstalled(s, {Mark(step)});
    if (const Done kept = s.capture.BeforeImport(); !kept) {
        Failed(s, step.source, kept.failure().reason);
        return true;
    }
    const ImporterCall call{s.request.importer,   step.folder,           step.to.Name(), s.fly,
                            s.request.toolFolder, s.request.pauseOnError};
    // A failed import is told in the log by the importer's own lines, and the installation goes on.
    s.capture.AfterImport(step.target, RunImporter(call, s.log, s.progress), s.request.pauseOnError);
    return true;
}

QString CancelledLine(qsizetype done, qsizetype all) {
    return QCoreApplication::translate(
               "AddonInstall",
               "*** Installation cancelled after %1 of %2 files, the other %3 were not installed ***")
        .arg(done)
        .arg(all)
        .arg(all - done);
}

// What a copy of the batch that failed says: its own reason, why the batch was refused before any copy
// (the journal of changes can't record it), or which copy stopped it.
Failure BatchFailure(const Failure& failure, const QString& target) {
    if (failure.path == WriteTarget(target))
        return failure;
    if (failure.refused)
        return {target, QCoreApplication::translate("AddonInstall", "non installé : %1").arg(failure.reason)};
    return {failure.path,
            QCoreApplication::translate("AddonInstall", "non installé, la copie de %1 a échoué : %2")
                .arg(failure.path, failure.reason)};
}

// Steps from..to-1, none of them a DEX file, copied as one batch: each checked and its copy planned,
// then the copies written one by one as the progress goes, and put in place together. A failure on the
// way puts none of them in place; a cancel puts in place those written. False when cancelled.
bool InstallFiles(Session& s, qsizetype from, qsizetype to) {
    const QList<InstallStep>& steps = s.plan.steps;
    CopyBatch batch;
    QList<Done> results;
    QList<qsizetype> copies; // each step's copy in batch, or -1
    for (qsizetype i = from; i < to; ++i) {
        results << AddFile(s, steps[i], batch);
        copies << (results.last() ? batch.size() - 1 : -1);
    }
    const CopyBatch::Ran run = batch.Run(copies, [&](qsizetype i) {
        return s.progress.Step(steps[from + i].source, steps[from + i].file.size);
    });
    QList<QPair<ResolvedPath, ResolvedPath>> marks;
    QList<Fingerprint> moved;
    for (qsizetype i = from; i < to; ++i) {
        const qsizetype copy = copies[i - from];
        if (copy >= 0 && !batch.Placed(copy) && !run.done)
            results[i - from] = BatchFailure(run.done.failure(), steps[i].target);
        if (copy >= 0)
            Captured(s, batch, copy);
        if (run.cancelled && i >= from + run.reached)
            continue;
        Finished(s, steps[i], results[i - from]);
        if (results[i - from] && steps[i].rename == InstallStep::Rename::Yes) {
            marks << Mark(steps[i]);
            moved << batch.Written(copy);
        }
    }
    MarkInstalled(s, marks, moved);
    if (run.cancelled)
        s.log(CancelledLine(from + run.reached, steps.size()));
    return !run.cancelled;
}

// Does the plan's steps; false when the installation had to stop.
bool InstallEntries(Session& s) {
    const QList<InstallStep>& steps = s.plan.steps;
    qint64 bytes = 0;
    for (const InstallStep& step : steps)
        bytes += step.file.size;
    s.progress.Start(int(steps.size()), bytes);
    for (qsizetype done = 0; done < steps.size();) {
        const InstallStep& step = steps[done];
        if (!step.dex) {
            qsizetype end = done;
            while (end < steps.size() && !steps[end].dex)
                ++end;
            if (!InstallFiles(s, done, end))
                return false;
            done = end;
            continue;
        }
        if (!s.progress.Step(step.source, step.file.size)) {
            s.log(CancelledLine(done, steps.size()));
            return false;
        }
        if (!InstallDex(s, step))
            return false;
        ++done;
    }
    return true;
}

// An archive that gave any file is marked as installed once, as a source folder's files are.
void MarkArchive(const Session& s) {
    if (s.plan.archiveRename != InstallStep::Rename::Yes)
        return;
    const ResolvedPath archive = Resolve(s.plan.source.root);
    (void)RenameNoReplace(archive, archive.onDisk + QStringLiteral(".installed"), archive.realFolder);
}

void LogLines(const InstallLog& log, const QString& heading, const QStringList& lines) {
    log(heading);
    for (const QString& line : lines)
        log(line);
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

Done PreviewInstallation(const InstallRequest& request, const InstallLog& log) {
    const InstallPlan plan = PlanInstallation(request);
    if (!plan.refusal.isEmpty())
        return Failure{request.sourceFolder, plan.refusal};
    LogLines(log, QCoreApplication::translate("AddonInstall", "*** Aperçu : rien n'a été modifié ***"),
             DescribePlan(plan));
    return {};
}

Result<AddonInstall> RunInstallation(const InstallRequest& request, const InstallLog& log,
                                     Progress& progress) {
    return RunInstallation(request, PlanInstallation(request), log, progress);
}

Result<AddonInstall> RunInstallation(const InstallRequest& request, const InstallPlan& plan,
                                     const InstallLog& log, Progress& progress) {
    const RealFoldersKept realFolders; // an installation makes folders, and no links
    if (!plan.refusal.isEmpty())
        return Failure{request.sourceFolder, plan.refusal};
    AddonInstall done;
    AddonCapture capture(request);
    Session session{request, plan, log, WithBackslash(request.flyFolder), done, progress, capture, nullptr};
    if (plan.source.archive)
        session.reader = std::make_unique<ArchiveReader>(*plan.source.archive);
    LogLines(log, QCoreApplication::translate("AddonInstall", "*** Installation : étapes prévues ***"),
             DescribePlan(plan));
    if (!capture.Loaded())
        log(QCoreApplication::translate("AddonInstall", "Bibliothèque des add-ons endommagée (%1) : cette "
                                                        "installation n'y sera pas inscrite")
                .arg(capture.Loaded().failure().reason));
    if (!plan.firstLine.isEmpty())
        log(plan.firstLine);
    const bool finished = InstallEntries(session);
    if (finished && session.done.installed > 0)
        MarkArchive(session);
    if (const Done kept = capture.Finish(); !kept)
        log(FailedLine(QCoreApplication::translate("AddonInstall", "bibliothèque des add-ons (%1)")
                           .arg(kept.failure().reason)));
    if (finished)
        log(QCoreApplication::translate("AddonInstall", "*** Installation finished ***"));
    return done;
}
