#include "CopyFloor.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

void Check(bool ok, const QString& what) {
    if (!ok)
        throw std::runtime_error("the copy at the floor failed: " + what.toStdString());
}

void CopyOne(const QByteArray& from, const QByteArray& temporary) {
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    struct stat st {};
    bool ok = in >= 0 && out >= 0 && ::fstat(in, &st) == 0;
    for (off_t left = ok ? st.st_size : 0; ok && left > 0;) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, size_t(left), 0);
        ok = copied > 0;
        left -= copied;
    }
    ok = ok && ::fchmod(out, 0644) == 0;
    if (in >= 0)
        ::close(in);
    Check(out >= 0 && ::close(out) == 0 && ok, QString::fromLocal8Bit(from));
}

void FlushFolder(const QString& folder, bool all) {
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool ok = fd >= 0 && (all ? ::syncfs(fd) : ::fsync(fd)) == 0;
    if (fd >= 0)
        ::close(fd);
    Check(ok, folder);
}

} // namespace

void CopyAtTheFloor(const QString& source, const QString& target, bool mark) {
    const QStringList names = QDir(source).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names)
        CopyOne(Native(source + '/' + name), Native(target + "/." + name + ".part"));
    FlushFolder(target, true);
    for (const QString& name : names)
        Check(::rename(Native(target + "/." + name + ".part").constData(), Native(target + '/' + name).constData()) == 0,
              name);
    FlushFolder(target, false);
    if (!mark)
        return;
    for (const QString& name : names)
        Check(::renameat2(AT_FDCWD, Native(source + '/' + name).constData(), AT_FDCWD,
                          Native(source + '/' + name + ".installed").constData(), RENAME_NOREPLACE) == 0,
              name);
    FlushFolder(source, false);
}
