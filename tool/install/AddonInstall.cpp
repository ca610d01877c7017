#include "install/AddonInstall.h"

#include "fs/CopyBatch.h"
#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "install/AddonCapture.h"
#include "install/FailedLine.h"
#include "install/ImporterRun.h"
#include "install/InstallPlan.h"
#include "shell/Progress.h"
#include "shell/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Each path of a step is resolved once, when the step comes, and handed on.
struct Session final {
    const InstallRequest& request;
    const InstallLog& log;
    QString fly;          // the simulator folder with trailing '/'
    QString sourceFolder; // the source folder's real path
    Outcome& outcome;
    Progress& progress;
    AddonCapture& capture;
};

// The mark is a courtesy to the user, and the file is installed either way: a rename that fails (or that
// the journal refuses) leaves the source under its own name without a line in the log.
void MarkInstalled(const Session& s, const InstallStep& step, const ResolvedPath& source) {
    if (step.rename == InstallStep::Rename::Yes)
        (void)RenameNoReplace(source, source.onDisk + QStringLiteral(".installed"), s.sourceFolder);
}

void Failed(const Session& s, const QString& source, const QString& reason) {
    s.log(FailedLine(Failure{source, reason}));
}

// The source's name is used as it stands; the copy is refused unless it comes from the source folder
// and lands inside its folder. A folder that can't be made is still tried, for the box that says so. The
// copy is added to batch; the refusal, when there is one.
Done AddFile(const Session& s, const InstallStep& step, const ResolvedPath& source, const ResolvedPath& target,
             CopyBatch& batch) {
    if (!step.refusal.isEmpty() && !step.folderBlocked)
        return Failure{step.source, step.refusal};
    if (!LiesInside(source, s.sourceFolder))
        return Failure{step.source, QCoreApplication::translate("AddonInstall", "hors du répertoire source")};
    if (const Done kept = s.capture.BeforeCopy(step.target); !kept)
        return Failure{step.source, kept.failure().reason};
    const Done added = AddCopyMakingFolders(batch, source, target, RealFolder(step.folder), s.outcome);
    if (!added)
        s.capture.AfterCopy(step.target, false);
    return added;
}

void Finished(const Session& s, const InstallStep& step, const ResolvedPath& source, const ResolvedPath& target,
              const Done& copied) {
    if (!copied)
        return s.log(FailedLine(Failure{step.source, step.refusal.isEmpty() ? copied.failure().reason : step.refusal}));
    s.log(QCoreApplication::translate("AddonInstall", "Installed: %1").arg(target.onDisk));
    MarkInstalled(s, step, source);
}

// One .dex entry: copied into the dex folder, then imported there. False when the dex folder can't be
// made, which ends the installation.
bool InstallDex(const Session& s, const InstallStep& step, const ResolvedPath& source) {
    if (!FolderExists(step.folder) && (step.folderBlocked || !MakeFolder(step.folder))) {
        s.outcome += Outcome::Info(QCoreApplication::translate(
            "AddonInstall", "Cannot create [DEX] folder. Dex Installation not possible!"));
        return false;
    }
    const ResolvedPath target = Resolve(step.target);
    Done copied = Failure{step.source, step.refusal};
    if (step.refusal.isEmpty() && !LiesInside(source, s.sourceFolder))
        copied =
            Failure{step.source, QCoreApplication::translate("AddonInstall", "hors du répertoire source")};
    else if (step.refusal.isEmpty())
        copied = s.capture.BeforeCopy(step.target);
    if (copied) {
        copied = CopyFileOver(source, target, RealFolder(step.folder));
        s.capture.AfterCopy(step.target, bool(copied));
    }
    if (!copied) {
        Failed(s, step.source, copied.failure().reason);
        return true;
    }
    s.log(QCoreApplication::translate("AddonInstall", "Copied: %1").arg(target.onDisk));
    MarkInstalled(s, step, source);
    if (const Done kept = s.capture.BeforeImport(); !kept) {
        Failed(s, step.source, kept.failure().reason);
        return true;
    }
    const ImporterCall call{
        s.request.importer,   step.folder,           QFileInfo(step.source).fileName(), s.fly,
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

// The sources of the copies in place that are marked installed, told to the journal at once.
void PlanMarks(const QList<InstallStep>& steps, qsizetype from, const QList<ResolvedPath>& sources,
               const QList<qsizetype>& copies, const CopyBatch& batch) {
    QList<QPair<QString, QString>> marks;
    for (qsizetype i = 0; i < copies.size(); ++i)
        if (copies[i] >= 0 && batch.Placed(copies[i]) && steps[from + i].rename == InstallStep::Rename::Yes)
            marks.append({sources[i].onDisk, sources[i].onDisk + QStringLiteral(".installed")});
    // A plan the journal can't take only costs the batch: each rename is then told, or refused, alone.
    (void)PlanRenames(marks);
}

// What a copy of the batch that failed says: its own reason, why the batch was refused before any copy
// (the journal of changes can't record it), or which copy stopped it.
Failure BatchFailure(const Failure& failure, const QString& target) {
    if (failure.path == WriteTarget(target))
        return failure;
    if (failure.refused)
        return {target, QCoreApplication::translate("AddonInstall", "non installé : %1").arg(failure.reason)};
    return {failure.path, QCoreApplication::translate("AddonInstall", "non installé, la copie de %1 a échoué : %2")
                              .arg(failure.path, failure.reason)};
}

// Steps from..to-1, none of them a DEX file, copied as one batch: each checked and its copy planned,
// then the copies written one by one as the progress goes, and put in place together. A failure on the
// way puts none of them in place; a cancel puts in place those written. False when cancelled.
bool InstallFiles(const Session& s, const QList<InstallStep>& steps, qsizetype from, qsizetype to) {
    CopyBatch batch;
    QList<ResolvedPath> sources, targets;
    QList<Done> results;
    QList<qsizetype> copies; // each step's copy in batch, or -1
    for (qsizetype i = from; i < to; ++i) {
        sources << Resolve(steps[i].source);
        targets << Resolve(steps[i].target);
        results << AddFile(s, steps[i], sources.last(), targets.last(), batch);
        copies << (results.last() ? batch.size() - 1 : -1);
    }
    const CopyBatch::Ran run = batch.Run(
        copies, [&](qsizetype i) { return s.progress.Step(steps[from + i].source, FileSize(sources[i])); });
    PlanMarks(steps, from, sources, copies, batch);
    for (qsizetype i = from; i < to; ++i) {
        const qsizetype copy = copies[i - from];
        if (copy >= 0 && !batch.Placed(copy) && !run.done)
            results[i - from] = BatchFailure(run.done.failure(), steps[i].target);
        if (copy >= 0)
            s.capture.AfterCopy(steps[i].target, batch.Placed(copy), batch.Written(copy));
        if (!run.cancelled || i < from + run.reached)
            Finished(s, steps[i], sources[i - from], targets[i - from], results[i - from]);
    }
    if (run.cancelled)
        s.log(CancelledLine(from + run.reached, steps.size()));
    return !run.cancelled;
}

// Does the plan's steps; false when the installation had to stop.
bool InstallEntries(const Session& s, const QList<InstallStep>& steps) {
    qint64 bytes = 0;
    for (const InstallStep& step : steps)
        bytes += FileSize(step.source);
    s.progress.Start(int(steps.size()), bytes);
    for (qsizetype done = 0; done < steps.size();) {
        const InstallStep& step = steps[done];
        if (!step.dex) {
            qsizetype end = done;
            while (end < steps.size() && !steps[end].dex)
                ++end;
            if (!InstallFiles(s, steps, done, end))
                return false;
            done = end;
            continue;
        }
        const ResolvedPath source = Resolve(step.source);
        if (!s.progress.Step(step.source, FileSize(source))) {
            s.log(CancelledLine(done, steps.size()));
            return false;
        }
        if (!InstallDex(s, step, source))
            return false;
        ++done;
    }
    return true;
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

Outcome PreviewInstallation(const InstallRequest& request, const InstallLog& log) {
    const InstallPlan plan = PlanInstallation(request);
    if (!plan.refusal.isEmpty())
        return Outcome::Info(plan.refusal);
    LogLines(log, QCoreApplication::translate("AddonInstall", "*** Aperçu : rien n'a été modifié ***"),
             DescribePlan(plan));
    return {};
}

Outcome RunInstallation(const InstallRequest& request, const InstallLog& log, Progress& progress) {
    const RealFoldersKept realFolders; // an installation makes folders, and no links
    const InstallPlan plan = PlanInstallation(request);
    if (!plan.refusal.isEmpty())
        return Outcome::Info(plan.refusal);
    Outcome outcome;
    AddonCapture capture(request);
    const Session session{request,  log,     WithBackslash(request.flyFolder), RealFolder(request.sourceFolder),
                          outcome, progress, capture};
    LogLines(log, QCoreApplication::translate("AddonInstall", "*** Installation : étapes prévues ***"),
             DescribePlan(plan));
    if (!capture.Problem().isEmpty())
        log(QCoreApplication::translate("AddonInstall", "Bibliothèque des add-ons endommagée (%1) : cette "
                                                        "installation n'y sera pas inscrite")
                .arg(capture.Problem()));
    if (!plan.firstLine.isEmpty())
        log(plan.firstLine);
    const bool finished = InstallEntries(session, plan.steps);
    if (const Done kept = capture.Finish(); !kept)
        log(FailedLine(QCoreApplication::translate("AddonInstall", "bibliothèque des add-ons (%1)")
                           .arg(kept.failure().reason)));
    if (finished)
        log(QCoreApplication::translate("AddonInstall", "*** Installation finished ***"));
    return outcome;
}
