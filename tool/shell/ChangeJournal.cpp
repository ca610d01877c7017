#include "shell/ChangeJournal.h"

#include "shell/HomeFolder.h"
#include "shell/JournalStore.h"
#include "shell/NativeFs.h"
#include "shell/NativeText.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray Header = "FlyKestrel journal 1\n";

bool WriteAllFlushed(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return ::fdatasync(fd) == 0;
}

bool WriteFlushed(const QString& path, const QByteArray& bytes, int flags) {
    const int fd = ::open(ToNative(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0600);
    if (fd < 0)
        return false;
    const bool ok = WriteAllFlushed(fd, bytes);
    return ::close(fd) == 0 && ok;
}

// A folder name that says which simulator folder it is for and can't collide with another one's.
QString JournalName(const QString& flyFolder) {
    QString real = RealPath(flyFolder);
    if (real.isEmpty())
        real = flyFolder;
    while (real.size() > 1 && real.endsWith('/'))
        real.chop(1);
    QString name = real.mid(real.lastIndexOf('/') + 1);
    for (QChar& c : name)
        if (!(c.unicode() < 128 && (c.isLetterOrNumber() || c == '.' || c == '-' || c == '_')))
            c = '_';
    Checksum sum;
    const QByteArray bytes = ToNative(real);
    sum.Add(bytes.constData(), bytes.size());
    return name.left(40) + '-' + QString::number(sum.Value(), 16).rightJustified(16, '0');
}

QList<int> EntryIds(const QString& folder) {
    QList<int> ids;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.entry")}, QDir::Files)) {
        bool ok = false;
        const int id = name.chopped(6).toInt(&ok);
        if (ok && id > 0)
            ids << id;
    }
    std::sort(ids.begin(), ids.end(), std::greater<>());
    return ids;
}

std::optional<JournalEntry> ReadEntry(const QString& path, int id) {
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes || !bytes->startsWith(Header))
        return std::nullopt;
    JournalEntry entry;
    entry.id = id;
    for (const QByteArray& line : bytes->mid(Header.size()).split('\n')) {
        if (line.startsWith("operation\t"))
            entry.operation = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(10)));
        else if (line.startsWith("time\t"))
            entry.time = QDateTime::fromString(QString::fromLatin1(line.mid(5)), Qt::ISODate);
        else if (const std::optional<ChangeStep> step = ChangeStep::FromLine(line))
            entry.steps << *step;
        else if (line.startsWith("after\t")) {
            const QList<QByteArray> fields = line.split('\t');
            const int index = fields.size() == 3 ? fields[1].toInt() : -1;
            if (index >= 0 && index < entry.steps.size())
                entry.steps[index].after = Fingerprint::Parse(QString::fromLatin1(fields[2]));
        } else if (line == "end")
            entry.ended = true;
    }
    return entry;
}

qint64 BytesBelow(const QString& folder) {
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

} // namespace

int JournalEntry::FileCount() const {
    QSet<QString> paths;
    for (const ChangeStep& step : steps) {
        if (step.kind == ChangeStep::Kind::Replaced && step.after == step.before)
            continue; // kept for a program that left it as it was
        paths << step.path;
        if (step.kind == ChangeStep::Kind::Renamed)
            paths << step.to;
    }
    return int(paths.size());
}

QString JournalRoot() {
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    if (data.startsWith('/'))
        return FromNative(data) + QStringLiteral("/flykestrel/");
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : home + QStringLiteral("/.local/share/flykestrel/");
}

ChangeJournal::ChangeJournal(const QString& flyFolder) {
    const QString root = JournalRoot();
    if (root.isEmpty() || flyFolder.isEmpty())
        return;
    folder_ = root + JournalName(flyFolder) + '/';
}

QList<JournalEntry> ChangeJournal::Entries() const {
    QList<JournalEntry> entries;
    if (!valid())
        return entries;
    for (const int id : EntryIds(folder_))
        if (std::optional<JournalEntry> entry = ReadEntry(EntryPath(id), id))
            entries << *entry;
    return entries;
}

int ChangeJournal::Begin(const QString& operation) {
    if (!valid() || !QDir().mkpath(folder_))
        return 0;
    const QList<int> ids = EntryIds(folder_);
    const int id = ids.isEmpty() ? 1 : ids.front() + 1;
    const QByteArray lines = Header + "operation\t" + operation.toUtf8().toPercentEncoding() + "\ntime\t" +
                             QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() + '\n';
    if (!WriteFlushed(EntryPath(id), lines, O_EXCL) || !FlushFolder(folder_))
        return 0;
    return id;
}

bool ChangeJournal::Append(int id, const QByteArray& lines) {
    return id > 0 && WriteFlushed(EntryPath(id), lines, O_APPEND);
}

QString ChangeJournal::StoreFolder(int id) const {
    return folder_ + QString::number(id).rightJustified(6, '0') + QStringLiteral(".store/");
}

QString ChangeJournal::StorePath(int id, int index) const {
    return StoreFolder(id) + QString::number(index);
}

QString ChangeJournal::EntryPath(int id) const {
    return folder_ + QString::number(id).rightJustified(6, '0') + QStringLiteral(".entry");
}

bool ChangeJournal::Remove(int id) {
    if (::unlink(ToNative(EntryPath(id)).constData()) != 0 && errno != ENOENT)
        return false;
    FlushFolder(folder_);
    QDir(StoreFolder(id)).removeRecursively();
    return true;
}

void ChangeJournal::Prune(const JournalLimits& limits) {
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addDays(-limits.keepDays);
    qint64 bytes = 0;
    const QList<int> ids = EntryIds(folder_);
    for (qsizetype i = 0; i < ids.size(); ++i) {
        bytes += BytesBelow(StoreFolder(ids[i]));
        if (i < limits.keepAtLeast)
            continue;
        const std::optional<JournalEntry> entry = ReadEntry(EntryPath(ids[i]), ids[i]);
        if (!entry || entry->time < oldest || bytes > limits.maxStoreBytes)
            Remove(ids[i]);
    }
}

JournalLimits LoadJournalLimits() {
    JournalLimits limits;
    const std::optional<QByteArray> bytes = ReadWholeFile(JournalRoot() + QStringLiteral("limits"));
    const QList<QByteArray> fields = bytes ? bytes->trimmed().split(' ') : QList<QByteArray>{};
    bool days = false;
    bool size = false;
    if (fields.size() == 2) {
        const int keepDays = fields[0].toInt(&days);
        const qint64 megabytes = fields[1].toLongLong(&size);
        if (days && size && keepDays > 0 && megabytes > 0) {
            limits.keepDays = keepDays;
            limits.maxStoreBytes = megabytes * 1024 * 1024;
        }
    }
    return limits;
}

bool SaveJournalLimits(const JournalLimits& limits) {
    const QString root = JournalRoot();
    if (root.isEmpty() || !QDir().mkpath(root))
        return false;
    const QByteArray text = QByteArray::number(limits.keepDays) + ' ' +
                            QByteArray::number(limits.maxStoreBytes / (1024 * 1024)) + '\n';
    const QString temporary = root + QStringLiteral("limits.new");
    return WriteFlushed(temporary, text, O_TRUNC) &&
           ::rename(ToNative(temporary).constData(), ToNative(root + QStringLiteral("limits")).constData()) ==
               0;
}
