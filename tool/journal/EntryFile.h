#pragma once

#include "fs/Result.h"
#include "journal/JournalEntry.h"

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

// The file of one journal entry, the only place that knows its text. The first line names the format and
// its version; every line carries its number from 0 and ends with a checksum of its bytes, so a reader
// tells a whole entry from a damaged one. Lines are appended, each batch flushed before the changes it
// announces are made: a kill can leave only the last line torn, and that line's change was never made.
// An entry being written is "<id>.entry", locked by its writer (and by a program the operation started,
// for as long as that runs); once its operation ends it is sealed as "<id>-<lines>.entry", so a sealed
// entry cut short anywhere but in its closing line is known to be damaged.

// The id of an entry file's name and the number of lines its seal promises (0 for an open entry); an
// id of 0 for a name that is no entry file.
struct EntryName final {
    int id = 0;
    int sealedLines = 0;
};
EntryName ParseEntryName(const QString& name);

// Reads and checks a whole entry file; a damaged one comes back with `damage` saying where and what.
JournalEntry ReadEntryFile(const QString& folder, const QString& name);

// Writes one entry. A write that fails part way is cut back before anything more is written, so a short
// write can never swallow a later line.
class EntryWriter final {
  public:
    EntryWriter() = default;
    ~EntryWriter();
    EntryWriter(const EntryWriter&) = delete;
    EntryWriter& operator=(const EntryWriter&) = delete;

    bool open() const { return fd_ >= 0; }
    // Makes the entry <folder><id>.entry with its first lines and steps, flushed, and keeps it open and
    // locked; nothing is left on disk when it fails.
    Done Create(const QString& folder, int id, const QString& operation, const QDateTime& time,
                const QList<ChangeStep>& steps);
    Done AppendSteps(const QList<ChangeStep>& steps);
    // What a program left once it ended: the fingerprint after it of each kept step (by step number),
    // the files it made, and the Program steps it ended.
    Done AppendProgramEnd(const QList<QPair<int, Fingerprint>>& after, const QList<ChangeStep>& created,
                          const QList<int>& programSteps);
    // Closes the entry with the number of files its operation changed and seals it.
    Done Seal(int files);
    // Removes the entry: its operation changed nothing.
    void Discard();
    // Whether a program started now keeps the entry locked for as long as it runs.
    void LetProgramsInherit(bool inherit);

  private:
    Done Write(const QList<QByteArray>& records);
    Failure Failed(int error) const;
    void Close();

    QString folder_;
    QString path_;
    int id_ = 0;
    int fd_ = -1;
    int lines_ = 0;     // lines written whole
    qint64 size_ = 0;   // their bytes
};
