#pragma once

#include "driver/NavDatabase.h"

#include <string>

// The names that one import of a database writes and changes (full names unless said otherwise).
class ImportFiles final {
  public:
    explicit ImportFiles(const NavDatabase& database) : database_(database) {}

    const NavDatabase& Database() const { return database_; }
    std::string Pod() const;       // SYSTEM\X.POD, the archive the simulator reads
    std::string Backup() const;    // SYSTEM\X.TRI, the archive before the first import
    std::string NewPod() const;    // SYSTEM\X.TMP, the new archive until the commit
    std::string NewBackup() const; // SYSTEM\X.TRI.TMP, the backup until it is complete
    std::string Record() const;    // SYSTEM\X.TODO, the steps left after the commit
    // DATABASE\<file> and its work file DATABASE\<file>.TMP for a bare file name, relative to the Fly2
    // folder.
    static std::string Loose(const std::string& file);
    static std::string Work(const std::string& file);

    // Removes every temporary that an import of this database leaves when it is interrupted: the work
    // files, X.TMP, X.TRI.TMP, the record's own temporary, and what earlier versions left under random
    // names (X.TRI.XXXXXX, <file>.XXXXXX). Files that cannot be removed are left.
    void RemoveTemporaries() const;

  private:
    std::string System(const std::string& extension) const;

    const NavDatabase& database_;
};
