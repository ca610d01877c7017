#pragma once

#include <QString>
#include <QtGlobal>

// What long work tells its window: how much there is, which file comes next, and when one file keeps it
// waiting. The window answers Step with the user's cancel, so work stops between two files, never inside
// one.
class Progress {
  public:
    Progress() = default;
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    virtual ~Progress() = default;

    // The work ahead: this many files of that many bytes in all.
    virtual void Start(int files, qint64 bytes) = 0;
    // file, bytes long, comes next; false when the user cancelled: it and the rest are left alone.
    virtual bool Step(const QString& file, qint64 bytes) = 0;
    // Called often while one file takes long (an importer run), so that the window can answer.
    virtual void Wait() = 0;
};

// For work that no window watches: never cancelled.
Progress& NoProgress();
