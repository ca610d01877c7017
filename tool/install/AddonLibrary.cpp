#include "install/AddonLibrary.h"

#include "fs/CheckedLines.h"
#include "fs/FileUtils.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "install/ImporterRun.h"
#include "journal/ChangeJournal.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

const QByteArray Magic = "FlyKestrel library";
const QByteArray Version = "1";

QByteArray Number(qint64 value) {
    return QByteArray::number(value);
}

// The library's lines, each record built in one buffer and appended checked to the file's bytes.
class LibraryWriter final {
  public:
    LibraryWriter& operator<<(QByteArrayView text) {
        line_ += text;
        return *this;
    }
    LibraryWriter& operator<<(const Fingerprint& fingerprint) {
        line_ += '\t';
        fingerprint.AppendText(line_);
        return *this;
    }
    // A text field, after its tab.
    LibraryWriter& Field(const QString& text) {
        line_ += '\t';
        line_ += TextField(text);
        return *this;
    }
    void End() {
        AppendCheckedLine(bytes_, number_++, line_);
        line_.resize(0);
    }
    const QByteArray& bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
    QByteArray line_;
    int number_ = 0;
};

void WriteAddon(LibraryWriter& out, const Addon& a) {
    const QByteArray id = '\t' + Number(a.id);
    (out << "addon" << id).Field(a.name) << '\t' + Number(int(a.type)) << "\t"
        << a.date.toUTC().toString(Qt::ISODate).toLatin1();
    out.Field(a.source).End();
    for (const AddonFile& f : a.files) {
        (out << "file" << id).Field(f.path) << f.before;
        (out.Field(f.stored) << f.after).End();
    }
    for (const QString& folder : a.folders)
        (out << "folder" << id).Field(folder).End();
    for (const DexImport& i : a.imports)
        ((out << "import" << id).Field(i.dexFile).Field(i.importer) << (i.pauseOnError ? "\t1" : "\t0")).End();
    for (const QString& path : a.touched)
        (out << "touched" << id).Field(path).End();
}

QByteArray Bytes(const AddonLibrary& library) {
    LibraryWriter out;
    (out << Magic << "\t" << Version).End();
    for (const Addon& a : library.addons)
        WriteAddon(out, a);
    for (const DatabaseFile& b : library.base)
        ((out << "base").Field(b.path) << b.before).Field(b.stored).End();
    for (auto it = library.left.cbegin(); it != library.left.cend(); ++it)
        ((out << "left").Field(it.key()) << it.value()).End();
    if (!library.pending.isEmpty())
        (out << "pending").Field(library.pending).End();
    (out << "end").End();
    return out.bytes();
}

// Reads the records of a library's lines into it; false at the first one that is not right.
class LibraryReader final {
  public:
    explicit LibraryReader(AddonLibrary& library) : library_(library) {}

    bool Read(QByteArrayView kind, const QList<QByteArrayView>& f) {
        if (ended_)
            return false;
        if (kind == "addon" && f.size() == 5)
            return ReadAddon(f);
        if (kind == "end" && f.isEmpty())
            return ended_ = true;
        if (kind == "pending" && f.size() == 1)
            return !(library_.pending = FieldText(f[0])).isEmpty();
        if (kind == "base" && f.size() == 3)
            return ReadBase(f);
        if (kind == "left" && f.size() == 2)
            return ReadLeft(f);
        Addon* addon = f.isEmpty() ? nullptr : Last(f[0]);
        if (addon == nullptr)
            return false;
        if (kind == "file" && f.size() == 5)
            return ReadFile(*addon, f);
        if (kind == "folder" && f.size() == 2)
            return (addon->folders << FieldText(f[1]), true);
        if (kind == "import" && f.size() == 4 && (f[3] == "0" || f[3] == "1"))
            return (addon->imports.append({FieldText(f[1]), FieldText(f[2]), f[3] == "1"}), true);
        if (kind == "touched" && f.size() == 2)
            return (addon->touched << FieldText(f[1]), true);
        return false;
    }

    bool ended() const { return ended_; }

  private:
    // The add-on a record belongs to: the last one read, whose id it must name.
    Addon* Last(QByteArrayView id) {
        return library_.addons.isEmpty() || Number(library_.addons.last().id) != id ? nullptr
                                                                                    : &library_.addons.last();
    }

    bool ReadAddon(const QList<QByteArrayView>& f) {
        Addon addon;
        bool id = false;
        bool type = false;
        addon.id = f[0].toInt(&id);
        addon.name = FieldText(f[1]);
        const int kind = f[2].toInt(&type);
        addon.type = InstallType(kind);
        addon.date = QDateTime::fromString(QString::fromLatin1(f[3].toByteArray()), Qt::ISODate);
        addon.source = FieldText(f[4]);
        const bool newer = library_.addons.isEmpty() || addon.id > library_.addons.last().id;
        if (!id || !type || kind < 0 || kind > int(InstallType::Tree) || !addon.date.isValid() || !newer)
            return false;
        library_.addons << addon;
        return true;
    }

    bool ReadFile(Addon& addon, const QList<QByteArrayView>& f) {
        const std::optional<Fingerprint> before = Fingerprint::Parse(f[2]);
        const std::optional<Fingerprint> after = Fingerprint::Parse(f[4]);
        if (!before || !after || f[1] == "-")
            return false;
        addon.files.append({FieldText(f[1]), *before, FieldText(f[3]), *after});
        return true;
    }

    bool ReadBase(const QList<QByteArrayView>& f) {
        const std::optional<Fingerprint> before = Fingerprint::Parse(f[1]);
        if (!before)
            return false;
        library_.base.append({FieldText(f[0]), *before, FieldText(f[2])});
        return true;
    }

    bool ReadLeft(const QList<QByteArrayView>& f) {
        const std::optional<Fingerprint> fingerprint = Fingerprint::Parse(f[1]);
        if (fingerprint)
            library_.left.insert(FieldText(f[0]), *fingerprint);
        return fingerprint.has_value();
    }

    AddonLibrary& library_;
    bool ended_ = false;
};

} // namespace

QHash<QString, Fingerprint> DatabaseSnapshot(const QString& flyFolder) {
    QHash<QString, Fingerprint> files;
    for (const JournalScope::ProgramFolder& folder : ImporterFolders(flyFolder)) {
        const QString resolved = ResolvePath(folder.folder);
        for (const QString& mask : folder.masks) {
            QStringList names;
            ListNames(resolved, mask, names);
            for (const QString& name : names)
                files.insert(resolved + '/' + name, FingerprintOf(resolved + '/' + name));
        }
    }
    return files;
}

QString OriginalFileName() {
    return QCoreApplication::translate("AddonLibrary", "fichier d'origine");
}

AddonLibrary::AddonLibrary(const QString& flyFolder) : flyFolder_(flyFolder) {
    const ChangeJournal journal(flyFolder);
    if (!journal.valid())
        return;
    file_ = journal.Folder() + QStringLiteral("addons.library");
    store_ = journal.Folder() + QStringLiteral("addons.store/");
}

Done AddonLibrary::Load() {
    addons.clear();
    base.clear();
    left.clear();
    pending.clear();
    owners_.clear();
    if (file_.isEmpty() || !PathExists(file_))
        return {};
    QString damage;
    const Result<QByteArray> bytes = ReadWholeFile(file_);
    const CheckedLines lines = ReadCheckedLines(bytes.value_or(QByteArray()));
    LibraryReader reader(*this);
    for (qsizetype i = 0; i < lines.texts.size() && damage.isEmpty(); ++i) {
        QList<QByteArrayView> fields = Fields(lines.texts[i]);
        const QByteArrayView kind = fields.takeFirst();
        const bool ok = i == 0 ? kind == Magic && fields.size() == 1 && fields[0] == Version : reader.Read(kind, fields);
        if (!ok)
            damage = QCoreApplication::translate("AddonLibrary", "ligne %1 : enregistrement « %2 » illisible")
                         .arg(i + 1)
                         .arg(QString::fromLatin1(kind.toByteArray()));
    }
    if (damage.isEmpty())
        damage = !bytes ? QCoreApplication::translate("AddonLibrary", "fichier illisible") : lines.damage;
    if (damage.isEmpty() && (lines.torn || !reader.ended()))
        damage = QCoreApplication::translate("AddonLibrary", "ligne %1 : fichier coupé")
                     .arg(lines.texts.size() + 1);
    for (qsizetype i = 0; i < addons.size(); ++i)
        for (const AddonFile& file : addons[i].files)
            if (QList<int>& owners = owners_[file.path]; owners.isEmpty() || owners.last() != i)
                owners << int(i);
    return damage.isEmpty() ? Done() : Done(Failure{file_, damage});
}

Done AddonLibrary::Save() const {
    if (file_.isEmpty())
        return Failure{file_, QCoreApplication::translate("AddonLibrary", "dossier personnel inconnu")};
    const QByteArray bytes = Bytes(*this);
    // The journal's own folder: made, like the journal makes it, outside of any operation.
    if (!QDir().mkpath(file_.left(file_.lastIndexOf('/'))))
        return Failure{file_, QCoreApplication::translate(
                                  "AddonLibrary", "le dossier de la bibliothèque ne peut pas être créé")};
    return WriteFileAtomic(file_, bytes);
}

Done AddonLibrary::MakeStore() const {
    if (store_.isEmpty() || FolderExists(store_))
        return {};
    QDir().mkpath(file_.left(file_.lastIndexOf('/')));
    return MakeFolder(store_);
}

int AddonLibrary::IndexOf(int id) const {
    for (qsizetype i = 0; i < addons.size(); ++i)
        if (addons[i].id == id)
            return int(i);
    return -1;
}

const QList<int>& AddonLibrary::Owners(const QString& path) const {
    static const QList<int> none;
    const auto found = owners_.constFind(path);
    return found == owners_.cend() ? none : *found;
}

QString AddonLibrary::OwnerName(const QString& path) const {
    const QList<int>& owners = Owners(path);
    return owners.isEmpty() ? OriginalFileName() : addons[owners.last()].name;
}

QString AddonLibrary::NewStoreName() {
    if (lastStore_ < 0) {
        lastStore_ = 0;
        for (const QString& name : EntryNames(store_))
            lastStore_ = std::max(lastStore_, name.toInt());
    }
    return QString::number(++lastStore_);
}

QSet<QString> AddonLibrary::StoreNamesUsed() const {
    QSet<QString> used;
    for (const Addon& addon : addons)
        for (const AddonFile& file : addon.files)
            used.insert(file.stored);
    for (const DatabaseFile& file : base)
        used.insert(file.stored);
    used.remove(QString());
    return used;
}
