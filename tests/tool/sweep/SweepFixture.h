#pragma once

#include "SettingsTest.h"

#include "journal/UndoReport.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// An operation of the sweep's runner (runner/SweepRunner.cpp) on a synthetic simulator folder "Fly2", an
// add-on source folder "addon" and a folder "work" (the profile, the tool's own files, the stand-in
// importer and its marks "started", "go" and "done"), with what it takes to undo it and to tell whether
// everything came back. FLYKESTREL_SWEEP_FILES add-on files beyond the fixed ones (default 2) and
// FLYKESTREL_SWEEP_MIB MiB in the large one (default 1) make the operations larger.
class SweepFixture : public SettingsTest {
  protected:
    void SetUp() override;

    // Fills the folders for the runner's operation: "profile", "install", "zip" (the add-on as an archive),
    // "move", "copy", "flyini", "data", "dex", "remove" (two add-ons installed, the first stacked under the
    // second).
    void Prepare(const QString& operation);
    // The runner's command line for the operation.
    std::vector<std::string> Arguments(const QString& operation) const;
    // The simulator and add-on folders: every name with its bytes, hidden ones included.
    QMap<QString, QByteArray> State() const;
    // All that the journal's folder holds: entries, stores, what a killed writer left.
    QStringList JournalFiles() const;
    // Undoes every entry of the journal, as "Annuler jusqu'à la sélection" on its oldest row; nothing
    // undone and nothing stopped when there is none.
    UndoReport UndoAll() const;
    QString Mark(const QString& name) const { return Path(QStringLiteral("work/") + name); }
    QString StandIn() const { return Path(QStringLiteral("work/importer")); }

    QString fly_; // with trailing '/'

  private:
    void PrepareProfile();
    void PrepareSceneries();
    void PrepareArchive();
    void PrepareFlyIni();
    void PrepareData();
    void PrepareDex();
    void PrepareRemoval();
};
