#include "journal/EntryFile.h"

#include "fs/ChangeRecorder.h"
#include "fs/CheckedLines.h"
#include "fs/FileCopy.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "fs/SystemReason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Kind = ChangeStep::Kind;

const QByteArray Magic = "FlyKestrel journal";
const QByteArray Version = "2";
// Entries of the first version: no line numbers, no checksums, no seal.
const QByteArray Version1Header = "FlyKestrel journal 1\n";
const char* const KindTags = "NCRDTPK";

QByteArray StepRecord(const ChangeStep& step) {
    return QByteArray("step\t") + KindTags[int(step.kind)] + '\t' + TextField(step.path) + '\t' +
           TextField(step.to) + '\t' + TextField(step.stored) + '\t' + step.before.Text() + '\t' +
           step.after.Text();
}

std::optional<ChangeStep> ParseStep(const QList<QByteArrayView>& fields, const char* tags) {
    if (fields.size() != 6 || fields[0].size() != 1)
        return std::nullopt;
    const char* tag = std::strchr(tags, fields[0][0]);
    const std::optional<Fingerprint> before = Fingerprint::Parse(fields[4]);
    const std::optional<Fingerprint> after = Fingerprint::Parse(fields[5]);
    if (tag == nullptr || *tag == '\0' || !before || !after || fields[1] == "-")
        return std::nullopt;
    return ChangeStep{
        Kind(tag - tags), FieldText(fields[1]), FieldText(fields[2]), FieldText(fields[3]), *before, *after};
}

bool IsLocked(const QString& path) {
    const int fd = ::open(ToNative(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

QString EntryFileName(int id) {
    return QString::number(id).rightJustified(6, '0') + QStringLiteral(".entry");
}

// Reads the lines of an entry into it, stopping at the first damage.
class EntryReader final {
  public:
    explicit EntryReader(JournalEntry& entry) : entry_(entry) {}

    void Read(const QByteArray& bytes, int sealedLines) {
        const CheckedLines lines = ReadCheckedLines(bytes);
        entry_.steps.reserve(lines.texts.size()); // nearly every line is a step
        for (qsizetype i = 0; i < lines.texts.size() && !entry_.damaged(); ++i)
            ReadLine(int(i), lines.texts[i]);
        if (!entry_.damaged())
            entry_.damage = lines.damage; // the lines before it still name the operation
        if (entry_.damaged())
            return;
        const int whole = int(lines.texts.size());
        if (whole < 3)
            Damage(whole + 1, QCoreApplication::translate("EntryFile", "entrée incomplète"));
        else if (sealedLines > 0 && whole != sealedLines && !(whole == sealedLines - 1 && !entry_.ended))
            Damage(whole + (lines.torn ? 1 : 0),
                   QCoreApplication::translate("EntryFile", "coupée : %1 lignes sur %2")
                       .arg(whole)
                       .arg(sealedLines));
        else if (sealedLines > 0 && !entry_.ended)
            entry_.ended = true; // only the closing line is missing: every change is there
    }

  private:
    void Damage(int line, const QString& what) {
        entry_.damage = QCoreApplication::translate("EntryFile", "ligne %1 : %2").arg(line).arg(what);
    }

    void ReadLine(int number, const QByteArray& text) {
        if (entry_.ended)
            return Damage(number + 1,
                          QCoreApplication::translate("EntryFile", "ligne après la fin de l'entrée"));
        QList<QByteArrayView> fields = Fields(text);
        const QByteArrayView kind = fields.takeFirst();
        if (!ReadRecord(number, kind, fields))
            Damage(number + 1, QCoreApplication::translate("EntryFile", "enregistrement « %1 » illisible")
                                   .arg(QString::fromLatin1(kind)));
    }

    bool ReadRecord(int number, QByteArrayView kind, const QList<QByteArrayView>& fields) {
        if (number == 0)
            return kind == Magic && fields.size() == 1 && fields[0] == Version;
        if (number == 1)
            return kind == "operation" && fields.size() == 1 && ReadOperation(fields[0]);
        if (number == 2)
            return kind == "time" && fields.size() == 1 && ReadTime(fields[0]);
        if (kind == "step")
            return ReadStep(fields, KindTags);
        if (kind == "after")
            return fields.size() == 2 && ReadAfter(fields[0], fields[1]);
        if (kind == "done")
            return fields.size() == 1 && ReadDone(fields[0]);
        if (kind == "end")
            return fields.size() == 1 && ReadEnd(fields[0]);
        return false;
    }

  public:
    bool ReadOperation(QByteArrayView field) {
        entry_.operation = QString::fromUtf8(QByteArray::fromPercentEncoding(field.toByteArray()));
        return !entry_.operation.isEmpty();
    }
    bool ReadTime(QByteArrayView field) {
        entry_.time = QDateTime::fromString(QString::fromLatin1(field), Qt::ISODate);
        return entry_.time.isValid();
    }
    bool ReadStep(const QList<QByteArrayView>& fields, const char* tags) {
        const std::optional<ChangeStep> step = ParseStep(fields, tags);
        if (step)
            entry_.steps << *step;
        return step.has_value();
    }
    bool ReadAfter(QByteArrayView index, QByteArrayView text) {
        const int step = StepIndex(index, Kind::Kept);
        const std::optional<Fingerprint> after = Fingerprint::Parse(text);
        if (step < 0 || !after)
            return false;
        entry_.steps[step].after = *after;
        return true;
    }
    bool ReadDone(QByteArrayView index) {
        const int step = StepIndex(index, Kind::Program);
        if (step >= 0)
            entry_.programsEnded << step;
        return step >= 0;
    }
    bool ReadEnd(QByteArrayView files) {
        bool ok = false;
        entry_.endedFiles = files.toInt(&ok);
        entry_.ended = ok && entry_.endedFiles >= 0;
        return entry_.ended;
    }

  private:
    int StepIndex(QByteArrayView text, Kind kind) const {
        bool ok = false;
        const int index = text.toInt(&ok);
        return ok && index >= 0 && index < entry_.steps.size() && entry_.steps[index].kind == kind ? index
                                                                                                   : -1;
    }

    JournalEntry& entry_;
};

// The first version's lines are checked for their form only; its replaced files with an unknown after
// were kept for a program.
void ReadVersion1(JournalEntry& entry, const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.mid(Version1Header.size()).split('\n');
    lines.removeLast(); // empty, or a torn last line
    EntryReader reader(entry);
    for (qsizetype i = 0; i < lines.size() && !entry.damaged(); ++i) {
        QList<QByteArrayView> fields = Fields(lines[i]);
        const QByteArrayView kind = fields.takeFirst();
        bool ok = false;
        if (kind == "operation" && fields.size() == 1)
            ok = reader.ReadOperation(fields[0]);
        else if (kind == "time" && fields.size() == 1)
            ok = reader.ReadTime(fields[0]);
        else if (kind == "step")
            ok = reader.ReadStep(fields, "NCRD");
        else if (kind == "end" && fields.isEmpty())
            ok = entry.ended = true;
        else if (kind == "after" && fields.size() == 2 && !entry.steps.isEmpty()) {
            const int index = fields[0].toInt(&ok);
            ok = ok && index >= 0 && index < entry.steps.size();
            if (ok)
                entry.steps[index].kind = Kind::Kept;
            ok = ok && reader.ReadAfter(fields[0], fields[1]);
        }
        if (!ok)
            entry.damage = QCoreApplication::translate("EntryFile", "ligne %1 : illisible").arg(i + 2);
    }
    for (ChangeStep& step : entry.steps)
        if (step.kind == Kind::Replaced && step.after.kind == Fingerprint::Kind::Unknown)
            step.kind = Kind::Kept;
    if (!entry.damaged() && (entry.operation.isEmpty() || !entry.time.isValid()))
        entry.damage = QCoreApplication::translate("EntryFile", "ligne 2 : entrée incomplète");
    if (entry.ended)
        entry.endedFiles = ChangedFiles(entry.steps);
}

} // namespace

EntryName ParseEntryName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{6,})(?:-(\\d+))?\\.entry$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

JournalEntry ReadEntryFile(const QString& folder, const QString& name) {
    JournalEntry entry;
    const EntryName parsed = ParseEntryName(name);
    entry.id = parsed.id;
    entry.file = folder + name;
    entry.running = IsLocked(entry.file);
    const Result<QByteArray> bytes = ReadWholeFile(entry.file);
    if (!bytes)
        entry.damage = QCoreApplication::translate("EntryFile", "fichier illisible");
    else if (bytes->startsWith(Version1Header))
        ReadVersion1(entry, *bytes);
    else
        EntryReader(entry).Read(*bytes, parsed.sealedLines);
    entry.fileSize = bytes ? bytes->size() : 0;
    if (!entry.time.isValid())
        entry.time = QFileInfo(entry.file).lastModified().toUTC();
    return entry;
}

EntryWriter::~EntryWriter() {
    Close();
}

Failure EntryWriter::Failed(int error) const {
    return {folder_, SystemReason(error)};
}

void EntryWriter::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

Done EntryWriter::Create(const QString& folder, int id, const QString& operation, const QDateTime& time,
                         const QList<ChangeStep>& steps) {
    folder_ = folder;
    id_ = id;
    if (!QDir().mkpath(folder))
        return Failed(errno);
    const QString fresh = folder + QString::number(id).rightJustified(6, '0') + QStringLiteral(".new");
    path_ = folder + EntryFileName(id);
    fd_ = ::open(ToNative(fresh).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return Failed(errno);
    QList<QByteArray> records{Magic + '\t' + Version, "operation\t" + operation.toUtf8().toPercentEncoding(),
                              "time\t" + time.toUTC().toString(Qt::ISODate).toLatin1()};
    for (const ChangeStep& step : steps)
        records << StepRecord(step);
    Done done = ::flock(fd_, LOCK_EX) == 0 ? Write(records) : Done(Failed(errno));
    // A new name never replaces an entry that another copy of the tool made meanwhile.
    if (done && ::renameat2(AT_FDCWD, ToNative(fresh).constData(), AT_FDCWD, ToNative(path_).constData(),
                            RENAME_NOREPLACE) != 0)
        done = Failed(errno);
    if (done) {
        if (const Done flushed = FlushFolder(folder); !flushed)
            done = Failed(flushed.failure().error);
    }
    if (!done) {
        ::unlink(ToNative(fresh).constData());
        Close();
        return done;
    }
    return {};
}

Done EntryWriter::AppendSteps(const QList<ChangeStep>& steps) {
    QList<QByteArray> records;
    for (const ChangeStep& step : steps)
        records << StepRecord(step);
    return Write(records);
}

Done EntryWriter::AppendProgramEnd(const QList<QPair<int, Fingerprint>>& after,
                                   const QList<ChangeStep>& created, const QList<int>& programSteps) {
    QList<QByteArray> records;
    for (const auto& [step, fingerprint] : after)
        records << "after\t" + QByteArray::number(step) + '\t' + fingerprint.Text();
    for (const ChangeStep& step : created)
        records << StepRecord(step);
    for (const int step : programSteps)
        records << "done\t" + QByteArray::number(step);
    return Write(records);
}

Done EntryWriter::Seal(int files) {
    const qint64 unended = size_;
    Done done = Write({"end\t" + QByteArray::number(files)});
    if (done) {
        const QString sealed = folder_ + EntryFileName(id_).replace(QStringLiteral(".entry"),
                                                                    QStringLiteral("-%1.entry").arg(lines_));
        if (::rename(ToNative(path_).constData(), ToNative(sealed).constData()) != 0) {
            done = Failed(errno);
            // Under its open name the entry must read as interrupted, not as ended: without the seal's
            // count of lines nothing would tell it cut short. Where the end can't be cut off, it reads as
            // ended all the same, and the failure still goes to the user.
            if (::ftruncate(fd_, unended) == 0)
                (void)::fdatasync(fd_);
        } else if (const Done flushed = FlushFolder(folder_); !flushed) {
            done = Failed(flushed.failure().error);
        }
    }
    Close();
    return done;
}

void EntryWriter::Discard() {
    // An entry of an operation that changed nothing: if its removal is lost to a crash, it comes back as an
    // interrupted operation of no file, which undoes to nothing.
    if (fd_ >= 0 && ::unlink(ToNative(path_).constData()) == 0)
        (void)FlushFolder(folder_);
    Close();
}

void EntryWriter::LetProgramsInherit(bool inherit) {
    if (fd_ >= 0)
        ::fcntl(fd_, F_SETFD, inherit ? 0 : FD_CLOEXEC);
}

namespace {

// Writes all of bytes at offset and flushes them; or the failure, naming path.
Done WriteAt(int fd, const QByteArray& bytes, qint64 offset, const QString& path) {
    if (const Done written = WriteFully(fd, bytes.constData(), bytes.size(), path, offset); !written)
        return written;
    return ::fdatasync(fd) == 0 ? Done() : Done(SystemFailure(path, errno));
}

} // namespace

Done EntryWriter::Write(const QList<QByteArray>& records) {
    if (fd_ < 0)
        return Failure{folder_,
                       QCoreApplication::translate("EntryFile", "l'entrée ne peut plus être écrite")};
    QByteArray bytes;
    for (qsizetype i = 0; i < records.size(); ++i)
        bytes += CheckedLine(int(lines_ + i), records[i]);
    // What an earlier write that failed half way left goes first.
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || (st.st_size != size_ && ::ftruncate(fd_, size_) != 0))
        return Failed(errno);
    if (const Done written = WriteAt(fd_, bytes, size_, folder_); !written) {
        if (::ftruncate(fd_, size_) != 0)
            Close(); // a torn line that can't be cut back must stay the last one: the entry takes no more
        return written;
    }
    lines_ += int(records.size());
    size_ += bytes.size();
    return {};
}
