// One import is one transaction, whatever ends it.
//
// The commit point is the rename of the new archive SYSTEM\X.TMP over SYSTEM\X.POD. Before it nothing
// that the simulator or the next run reads changes: the merged table, its index files and (-K) the
// template go to work files DATABASE\<file>.TMP, the new archive to X.TMP, each flushed (the work files
// only with -K: else they are packed from memory and removed, and no step after a crash reads them); the
// first import makes SYSTEM\X.TRI from a flushed copy X.TRI.TMP. Loose files of the database that hold exactly the
// bytes of the archived ones are removed before the commit (a reader finds the same bytes in X.POD), so
// that the commit turns the whole database from old to new at once.
//
// After the commit the work files are moved into DATABASE (-K) or removed, and loose files that differ
// from the archive are replaced (-K) or removed. When such a step changes a name in DATABASE, the steps
// are first written to SYSTEM\X.TODO (through X.TODO.TMP, flushed), and X.TODO is removed after the last.
//
// Every run begins with recovery: an X.TODO beside an X.TMP belongs to an import that never committed,
// so it is removed (and with it the import); without X.TMP the import committed, and its steps are taken
// again (each can be). Then every temporary of ours goes, including those of earlier versions. So a kill
// at any moment followed by a new run gives what one uninterrupted import gives, never a second merge
// onto a half-finished one; a failure undoes the import before it is reported.
#include "driver/ImportTransaction.h"

#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "pod/FlyFile.h"
#include "pod/FlyFolder.h"
#include "pod/MappedFile.h"
#include "pod/PodList.h"

#include <cstring>

namespace {

void RemoveOrThrow(const std::string& path) {
    const int error = RemoveFile(path);
    if (error != 0 && !IsNoSuchFile(error))
        throw ZorException("DexMerger", 37, static_cast<uint32_t>(error),
                           FormatMessage("Error deleting %s", ShownPath(path).c_str()));
}

// X.TRI becomes a full copy of X.POD, written under a temporary name and flushed before it gets its
// name, so that an interrupted backup never passes for a finished one.
void BackUpArchive(const std::string& pod, const std::string& backup, const std::string& temporary) {
    MappedFile source;
    source.Open(pod);
    int error = OutputFile::WriteWhole(temporary, source.Data(), source.Size());
    if (error == 0)
        error = RenameNoReplace(temporary, backup);
    if (error != 0) {
        RemoveFile(temporary);
        throw ZorException(
            "DexMerger", 51, static_cast<uint32_t>(error),
            FormatMessage("Error copying %s to %s", ShownPath(pod).c_str(), ShownPath(backup).c_str()));
    }
}

bool IsArchivedCopy(const std::string& relative) {
    try {
        FlyFile loose;
        loose.OpenDisk(FlyFolder::FullName(relative));
        FlyFile archived;
        PodList::OpenFlyFile(relative, archived, true);
        return loose.size == archived.size && std::memcmp(loose.data, archived.data, loose.size) == 0;
    } catch (const ZorException&) {
        return false; // unreadable or not archived: not a copy
    }
}

} // namespace

ImportTransaction::ImportTransaction(const NavDatabase& database, bool keepFiles)
    : files_(database), keepFiles_(keepFiles) {}

ImportTransaction::~ImportTransaction() {
    if (!committed_)
        Undo();
}

void ImportTransaction::RecoverInterrupted() {
    for (const NavDatabase& database : NavDatabase::All()) {
        const ImportFiles files(database);
        const std::string record = files.Record();
        if (IsRegularFile(record)) {
            if (!PathExists(files.NewPod()))
                RecoveryRecord::Read(record).CarryOut();
            RemoveOrThrow(record);
        }
        files.RemoveTemporaries();
    }
}

std::string ImportTransaction::WorkFile(const std::string& file) const {
    return FlyFolder::FullName(ImportFiles::Work(file));
}

void ImportTransaction::Wrote(const std::string& file) {
    written_.insert(file);
}

void ImportTransaction::OpenPacked(const std::string& file, FlyFile& image) const {
    const std::string loose = ImportFiles::Loose(file);
    if (!written_.count(file)) {
        PodList::OpenFlyFile(loose, image, false);
        return;
    }
    image.OpenDisk(WorkFile(file));
    image.name = loose;
}

void ImportTransaction::SurveyLooseFiles() {
    for (const std::string& file : files_.Database().packedFiles) {
        const std::string loose = ImportFiles::Loose(file);
        // A loose file that -K keeps and this import did not write stays as it is.
        if ((keepFiles_ && !written_.count(file)) || !PathExists(FlyFolder::FullName(loose)))
            continue;
        (IsArchivedCopy(loose) ? copies_ : differing_).push_back(file);
    }
}

RecoveryRecord ImportTransaction::StepsAfterCommit() const {
    RecoveryRecord steps;
    if (keepFiles_) {
        for (const std::string& file : files_.Database().packedFiles)
            if (written_.count(file))
                steps.AddMove(ImportFiles::Work(file), ImportFiles::Loose(file));
    } else {
        for (const std::string& file : differing_)
            steps.AddRemoval(ImportFiles::Loose(file));
    }
    return steps;
}

void ImportTransaction::Commit() {
    const std::string pod = files_.Pod();
    const std::string backup = files_.Backup();
    if (!PathExists(backup)) {
        MessageSink::Printf("Backing up %s to %s\n", ShownPath(pod).c_str(), ShownPath(backup).c_str());
        BackUpArchive(pod, backup, files_.NewBackup());
        madeBackup_ = true;
    }
    const RecoveryRecord steps = StepsAfterCommit();
    if (!steps.IsEmpty())
        steps.Write(files_.Record());
    for (const std::string& file : copies_)
        RemoveOrThrow(FlyFolder::FullName(ImportFiles::Loose(file)));
    const std::string newPod = files_.NewPod();
    if (const int error = RenameReplacing(newPod, pod))
        throw ZorException(
            "DexMerger", 147, static_cast<uint32_t>(error),
            FormatMessage("Error moving %s to %s", ShownPath(newPod).c_str(), ShownPath(pod).c_str()));
    committed_ = true;
    steps.CarryOut();
    if (!steps.IsEmpty())
        RemoveOrThrow(files_.Record());
    files_.RemoveTemporaries();
}

// The record goes first: without it nothing can be taken for a committed import.
void ImportTransaction::Undo() noexcept {
    try {
        RemoveFile(files_.Record());
        files_.RemoveTemporaries();
        if (madeBackup_)
            RemoveFile(files_.Backup());
    } catch (...) {
        // Whatever is left is a temporary that the next run removes.
    }
}
