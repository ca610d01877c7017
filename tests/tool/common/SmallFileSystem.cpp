#include "SmallFileSystem.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

} // namespace

SmallFileSystem::SmallFileSystem(const QString& folder, int kilobytes) : folder_(folder) {
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (!QDir().mkpath(folder))
        why_ = "can't make " + folder;
    else if (::mount("tmpfs", Native(folder).constData(), "tmpfs", 0, options.constData()) != 0)
        why_ = "can't mount a small file system (" + QString::fromLocal8Bit(std::strerror(errno)) +
               "): it takes root";
}

SmallFileSystem::~SmallFileSystem() {
    if (available())
        ::umount2(Native(folder_).constData(), MNT_DETACH);
}

bool SmallFileSystem::Fill() {
    const int fd =
        ::open(Native(folder_ + "/filler").constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'f');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

void SmallFileSystem::Free() {
    ::unlink(Native(folder_ + "/filler").constData());
}

bool SmallFileSystem::MakeReadOnly() {
    return ::mount(nullptr, Native(folder_).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
