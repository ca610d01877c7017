#include "journal/FolderLock.h"

#include "fs/NativeText.h"
#include "journal/ChangeJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

namespace {

struct Held final {
    int fd = -1;
    int count = 0;
};

// The lock files this process holds, by name.
QHash<QString, Held>& Holds() {
    static QHash<QString, Held> holds;
    return holds;
}

std::unique_ptr<FolderLock>& Session() {
    static std::unique_ptr<FolderLock> session;
    return session;
}

QString LockFile(const ChangeJournal& journal) {
    return journal.valid() ? journal.Folder().chopped(1) + QStringLiteral(".lock") : QString();
}

// Takes file for this process; false when another process holds it.
bool Take(const QString& file) {
    Held& held = Holds()[file];
    if (held.count > 0) {
        ++held.count;
        return true;
    }
    QDir().mkpath(QFileInfo(file).path());
    held.fd = ::open(ToNative(file).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (held.fd >= 0 && ::flock(held.fd, LOCK_EX | LOCK_NB) == 0) {
        held.count = 1;
        return true;
    }
    if (held.fd >= 0)
        ::close(held.fd);
    Holds().remove(file);
    return false;
}

void Release(const QString& file) {
    Held& held = Holds()[file];
    if (--held.count > 0)
        return;
    ::close(held.fd); // lets the lock go
    Holds().remove(file);
}

} // namespace

// A simulator folder without a journal (no home folder) has nothing to lock: its changes are not journaled.
FolderLock::FolderLock(const ChangeJournal& journal) : file_(LockFile(journal)) {
    held_ = file_.isEmpty() || Take(file_);
}

FolderLock::~FolderLock() {
    if (held_ && !file_.isEmpty())
        Release(file_);
}

Failure FolderLock::Refusal() const {
    return {file_,
            QCoreApplication::translate("FolderLock",
                                        "une autre copie de FlyKestrel est ouverte sur ce dossier et "
                                        "seule elle peut le modifier"),
            true};
}

bool FolderLock::HoldForSession(const QString& flyFolder) {
    auto lock = std::make_unique<FolderLock>(ChangeJournal(flyFolder));
    const bool held = lock->held();
    Session() = held ? std::move(lock) : nullptr;
    return held;
}
