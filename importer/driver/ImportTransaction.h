#pragma once

#include "driver/ImportFiles.h"
#include "driver/RecoveryRecord.h"

#include <set>
#include <string>
#include <vector>

class FlyFile;

// One import of one database as a transaction whose single commit point is the rename of the new
// archive SYSTEM\X.TMP over SYSTEM\X.POD (ImportTransaction.cpp tells the whole scheme).
class ImportTransaction final {
  public:
    ImportTransaction(const NavDatabase& database, bool keepFiles);
    ImportTransaction(const ImportTransaction&) = delete;
    ImportTransaction& operator=(const ImportTransaction&) = delete;
    // Undoes an import that did not reach its commit.
    ~ImportTransaction();

    // Run first by every import: for each of the eight databases, finishes an interrupted import that
    // committed, undoes one that did not, and removes the temporaries.
    static void RecoverInterrupted();

    // The full name under which the import writes DATABASE\<file> (a bare name); Wrote says that the
    // file is complete, and flushed when FlushesWorkFiles.
    std::string WorkFile(const std::string& file) const;
    // Only work files that stay (-K) must reach the disk: the others are read back, from memory, for the
    // new archive (which is flushed) and removed after the commit, or by the recovery after a crash.
    bool FlushesWorkFiles() const { return keepFiles_; }
    void Wrote(const std::string& file);
    // The image packed as DATABASE\<file>: the work file when written, else loose first, else archived.
    void OpenPacked(const std::string& file, FlyFile& image) const;
    // With every work file written and the archives still open: finds the loose files of the database
    // that must go and which of them are copies of the archived ones.
    void SurveyLooseFiles();
    // With the archives closed and SYSTEM\X.TMP complete: makes the backup on the first import, commits
    // and takes the steps left after the commit.
    void Commit();

  private:
    RecoveryRecord StepsAfterCommit() const;
    void Undo() noexcept;

    ImportFiles files_;
    bool keepFiles_;
    std::set<std::string> written_;
    std::vector<std::string> copies_;    // loose copies of the archived files: removed before the commit
    std::vector<std::string> differing_; // other loose files: replaced (-K) or removed after it
    bool madeBackup_ = false;
    bool committed_ = false;
};
