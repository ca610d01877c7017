#pragma once

#include "fs/Fingerprint.h"
#include "fs/Result.h"

#include <QList>
#include <QString>

#include <functional>

// One change that the file layer is about to make. Paths are native and resolved, as the change is made.
struct FileChange final {
    enum class Kind {
        Rename,     // path to `to`, never over an existing entry
        MakeFolder, // one level
        Temporary,  // a file of our own made beside a file to be written, to be renamed over it
        Write,      // a file written whole, with contents whose fingerprint is after
        Delete,     // a file or a whole folder
    };

    Kind kind = Kind::Write;
    QString path;
    QString to;
    Fingerprint after; // for a rename of a plain file: what it holds, when the file layer knows it already
};

// Told by the file layer of every change just before it is made, and whether it was made; the journal
// of changes is one.
class ChangeRecorder {
  public:
    virtual ~ChangeRecorder() = default;
    // Changes about to be made, in their order. A failure refuses them: none of them may then be made.
    virtual Done Before(const QList<FileChange>& changes) = 0;
    virtual void After(const FileChange& change, bool made) = 0;
};

// The recorder of the changes made on this thread, or null.
ChangeRecorder* CurrentRecorder();

// While one lives, the changes made on this thread go to recorder (none when it is null).
class RecorderScope final {
  public:
    explicit RecorderScope(ChangeRecorder* recorder);
    ~RecorderScope();
    RecorderScope(const RecorderScope&) = delete;
    RecorderScope& operator=(const RecorderScope&) = delete;

  private:
    ChangeRecorder* previous_;
};

// Tells the recorder of change, then makes it with make (which leaves errno set when it fails) unless the
// recorder refused it, and tells whether it was made. A failure names change.path.
Done Recorded(const FileChange& change, const std::function<bool()>& make);
// The failure of a system call on path: the system's reason for error (SystemReason.h).
Failure SystemFailure(const QString& path, int error);
