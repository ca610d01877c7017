#include "journal/ChangeJournal.h"

#include "fs/ChangeRecorder.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "journal/EntryFile.h"
#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

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

// The entry files of the folder, newest first.
QStringList EntryFileNames(const QString& folder) {
    QList<QPair<int, QString>> entries;
    for (const QString& name : EntryNames(folder))
        if (const int id = ParseEntryName(name).id; id > 0)
            entries.append({id, name});
    std::sort(entries.begin(), entries.end(), std::greater<>());
    QStringList names;
    for (const auto& entry : entries)
        names << entry.second;
    return names;
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

QString IdText(int id) {
    return QString::number(id).rightJustified(6, '0');
}

} // namespace

ChangeJournal::ChangeJournal(const QString& flyFolder) {
    const QString root = JournalRoot();
    if (root.isEmpty() || flyFolder.isEmpty())
        return;
    folder_ = root + JournalName(flyFolder) + '/';
}

QList<JournalEntry> ChangeJournal::Entries() const {
    QList<JournalEntry> entries;
    if (valid())
        for (const QString& name : EntryFileNames(folder_))
            entries << ReadEntryFile(folder_, name);
    return entries;
}

QStringList ChangeJournal::Signature() const {
    QStringList signature;
    if (valid())
        for (const QString& name : EntryFileNames(folder_))
            signature << name + ':' + QString::number(QFileInfo(folder_ + name).size());
    return signature;
}

int ChangeJournal::NewId() const {
    int newest = 0;
    for (const QString& name : EntryNames(folder_))
        newest = std::max(newest, name.left(name.indexOf('.')).left(name.indexOf('-')).toInt());
    return newest + 1;
}

QString ChangeJournal::StoreFolder(int id) const {
    return folder_ + IdText(id) + QStringLiteral(".store/");
}

QString ChangeJournal::StorePath(int id, int index) const {
    return StoreFolder(id) + QString::number(index);
}

Done ChangeJournal::Remove(const JournalEntry& entry) {
    if (::unlink(ToNative(entry.file).constData()) != 0 && errno != ENOENT)
        return SystemFailure(entry.file, errno);
    // An entry whose removal a crash takes back before it reached the disk comes back without its store:
    // an undo that needs the store then fails whole, changing nothing.
    (void)FlushFolder(folder_);
    QDir(StoreFolder(entry.id)).removeRecursively();
    return {};
}

void ChangeJournal::Prune(const JournalLimits& limits) {
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addDays(-limits.keepDays);
    qint64 bytes = 0;
    QSet<QString> kept;
    const QList<JournalEntry> entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const JournalEntry& entry = entries[i];
        bytes += BytesBelow(StoreFolder(entry.id));
        const bool alwaysKept = i < limits.keepAtLeast || entry.running;
        // An entry that can't be removed keeps its store.
        const bool removed =
            !alwaysKept && (entry.time < oldest || bytes > limits.maxStoreBytes) && Remove(entry);
        if (!removed)
            kept << IdText(entry.id);
    }
    // An entry that a killed writer never finished, and stores without an entry; other files that live
    // beside the journal are not its own.
    for (const QString& name : EntryNames(folder_)) {
        const QString id = name.left(name.indexOf('.'));
        bool numbered = false;
        id.toInt(&numbered);
        const bool leftover = name.endsWith(QLatin1String(".new")) || name.endsWith(QLatin1String(".store"));
        if (numbered && leftover && !kept.contains(id))
            (void)RemoveWhole(folder_ + name); // what is left is tried again by the next prune
    }
}

JournalLimits LoadJournalLimits() {
    JournalLimits limits;
    const Result<QByteArray> bytes = ReadWholeFile(JournalRoot() + QStringLiteral("limits"));
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

Done SaveJournalLimits(const JournalLimits& limits) {
    const QString root = JournalRoot();
    if (root.isEmpty())
        return Failure{QStringLiteral("limits"),
                       QCoreApplication::translate("ChangeJournal", "dossier personnel inconnu")};
    if (!QDir().mkpath(root))
        return Failure{root,
                       QCoreApplication::translate("ChangeJournal", "le dossier ne peut pas être créé")};
    const QByteArray text = QByteArray::number(limits.keepDays) + ' ' +
                            QByteArray::number(limits.maxStoreBytes / (1024 * 1024)) + '\n';
    const RecorderScope unrecorded(nullptr);
    return WriteFileAtomic(root + QStringLiteral("limits"), text);
}
