#include "archive/ArchiveTable.h"

#include "archive/ArchiveChecks.h"
#include "archive/ArchiveFailure.h"
#include "archive/ArchiveInput.h"
#include "archive/ArchiveLimitCheck.h"
#include "archive/EntryName.h"
#include "archive/NameClashes.h"
#include "archive/NameDecoding.h"
#include "archive/RarHeaders.h"
#include "archive/ZipDirectory.h"

#include <QCoreApplication>

namespace {

// One header of the archive with what its format's own records add to it.
struct Found final {
    ArchiveHeader header;
    QString name; // decoded as written
    std::optional<quint32> crc;
};

// The name libarchive gives in UTF-8, else the raw bytes as the format's writers encode them.
QString DecodedName(const ArchiveHeader& header, ArchiveKind kind) {
    if (!header.utf8.isNull())
        return header.utf8;
    if (const std::optional<QString> utf8 = FromUtf8(header.name))
        return *utf8;
    return kind == ArchiveKind::Tar ? QString::fromLatin1(header.name) : FromDosCodePage(header.name);
}

// Every header libarchive reads, up to the first past a limit.
Result<QList<ArchiveHeader>> ReadHeaders(ArchiveInput& input, const QString& path,
                                         const ArchiveLimits& limits) {
    ArchiveLimitCheck limit(limits);
    QList<ArchiveHeader> headers;
    for (;;) {
        Result<std::optional<ArchiveHeader>> next = input.Next();
        if (!next)
            return next.failure();
        if (!*next)
            return headers;
        const ArchiveHeader& header = **next;
        const qint64 size = header.type == ArchiveHeader::Type::Folder ? 0 : header.size.value_or(0);
        if (const std::optional<QString> why = limit.Add(size))
            return EntryFailure(path, DecodedName(header, input.kind().value_or(ArchiveKind::Tar)), *why);
        headers += header;
    }
}

Failure Disagreeing(const QString& path, const QString& name) {
    return EntryFailure(path, name,
                        Damaged(QCoreApplication::translate("Archive", "en-têtes qui ne s'accordent pas")));
}

// A ZIP archive's headers hold the names and sizes of its central directory, entry for entry.
Result<QList<Found>> WithZipDirectory(const QList<ArchiveHeader>& headers, const QList<ZipEntry>& zip,
                                      const QString& path) {
    QList<Found> found;
    for (qsizetype i = 0; i < qMax(headers.size(), zip.size()); ++i) {
        if (i >= headers.size() || i >= zip.size())
            return Disagreeing(path,
                               i < zip.size() ? zip[i].name : DecodedName(headers[i], ArchiveKind::Zip));
        const ArchiveHeader& header = headers[i];
        // libarchive turns the '\' of names written on Windows into '/'.
        const QByteArray name = QByteArray(header.name).replace('\\', '/');
        if ((name != QByteArray(zip[i].rawName).replace('\\', '/') &&
             name != zip[i].name.toUtf8().replace('\\', '/')) ||
            (header.type == ArchiveHeader::Type::File && header.size != qint64(zip[i].size)))
            return Disagreeing(path, zip[i].name);
        found += Found{header, zip[i].name, zip[i].crc};
    }
    return found;
}

// A RAR archive's headers carry the CRC-32 and the encryption that its own file headers state.
Result<QList<Found>> WithRarHeaders(ByteFile& file, const QList<ArchiveHeader>& headers, ArchiveKind kind,
                                    const QString& path, const ArchiveLimits& limits) {
    const Result<QList<RarFile>> rar = ReadRarHeaders(file, kind == ArchiveKind::Rar5, path, limits.entries);
    if (!rar)
        return rar.failure();
    QList<Found> found;
    for (qsizetype i = 0; i < qMax(headers.size(), rar->size()); ++i) {
        const QString name = i < headers.size() ? DecodedName(headers[i], kind) : QString();
        if (i >= headers.size() || i >= rar->size() ||
            (rar->at(i).size && headers[i].size != rar->at(i).size))
            return Disagreeing(path, name);
        found += Found{headers[i], name, rar->at(i).crc};
        found.back().header.encrypted |= rar->at(i).encrypted;
    }
    return found;
}

} // namespace

namespace {

Result<QList<Found>> Decoded(const QList<ArchiveHeader>& headers, ArchiveKind kind) {
    QList<Found> found;
    for (const ArchiveHeader& header : headers)
        found += Found{header, DecodedName(header, kind), std::nullopt};
    return found;
}

// Why an entry is none of what may be unpacked: a plain file or folder, unencrypted, of a stated size.
std::optional<QString> EntryRefusal(const ArchiveHeader& header) {
    switch (header.type) {
    case ArchiveHeader::Type::SymbolicLink:
        return QCoreApplication::translate("Archive", "lien symbolique");
    case ArchiveHeader::Type::HardLink:
        return QCoreApplication::translate("Archive", "lien physique");
    case ArchiveHeader::Type::Other:
        return QCoreApplication::translate("Archive",
                                           "ni un fichier ni un dossier (périphérique, tube ou socket)");
    case ArchiveHeader::Type::File:
    case ArchiveHeader::Type::Folder:
        break;
    }
    if (header.encrypted)
        return QCoreApplication::translate("Archive", "chiffrée par un mot de passe");
    if (!header.size)
        return QCoreApplication::translate("Archive", "taille non indiquée");
    return std::nullopt;
}

QString TopFolder(const QList<ArchiveEntry>& entries) {
    if (entries.isEmpty())
        return {};
    const QString top = entries.front().name.section(u'/', 0, 0);
    for (const ArchiveEntry& entry : entries)
        if (!(entry.folder && entry.name == top) && !entry.name.startsWith(top + u'/'))
            return {};
    return top;
}

// The table of the entries found, each checked on its own and against those before it.
Result<ArchiveTable> Tabled(const QList<Found>& found, ArchiveTable table,
                            const std::shared_ptr<ArchiveChecks>& checks) {
    NameClashes clashes;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const ArchiveHeader& header = found[i].header;
        if (const std::optional<QString> why = EntryRefusal(header))
            return EntryFailure(table.path, found[i].name, *why);
        QString why;
        const QString name = CheckedEntryName(found[i].name, &why);
        const bool folder = header.type == ArchiveHeader::Type::Folder || found[i].name.endsWith(u'/') ||
                            found[i].name.endsWith(u'\\');
        if (why.isEmpty() && folder && *header.size > 0)
            why = QCoreApplication::translate("Archive", "dossier qui contient des données");
        if (why.isEmpty() && name.isEmpty() && !folder)
            why = QCoreApplication::translate("Archive", "nom vide");
        if (!why.isEmpty())
            return EntryFailure(table.path, found[i].name, why);
        HeaderCheck check{header.name, *header.size, found[i].crc, -1};
        if (!name.isEmpty()) {
            if (const std::optional<QString> clash = clashes.Add(name, folder))
                return EntryFailure(table.path, name, *clash);
            check.entry = int(table.entries.size());
            table.entries += ArchiveEntry{name, folder, *header.size, int(i)};
        }
        checks->headers += check;
    }
    table.topFolder = TopFolder(table.entries);
    table.checks = checks;
    return table;
}

// A ZIP archive's central directory, read and checked; none when the file is no ZIP archive.
Result<std::optional<QList<ZipEntry>>> ReadZip(ByteFile& file, const QString& path,
                                               const ArchiveLimits& limits) {
    const std::optional<qint64> endAt = FindZipEnd(file);
    if (!endAt) {
        if (file.Read(0, 4) == QByteArrayLiteral("PK\x03\x04"))
            return ArchiveFailure(
                path, QCoreApplication::translate("Archive",
                                                  "répertoire central ZIP introuvable (archive coupée ?)"));
        return std::optional<QList<ZipEntry>>();
    }
    const Result<ZipEnd> end = ReadZipEnd(file, *endAt, path);
    if (!end)
        return end.failure();
    const Result<QList<ZipEntry>> entries = ReadZipDirectory(file, *end, path, limits.entries);
    if (!entries)
        return entries.failure();
    return std::optional<QList<ZipEntry>>(*entries);
}

} // namespace

Result<ArchiveTable> ReadArchiveTable(const QString& path, const ArchiveLimits& limits) {
    ByteFile file(path);
    if (!file.Open())
        return ArchiveFailure(path, QCoreApplication::translate("Archive", "archive illisible"));
    const Result<std::optional<QList<ZipEntry>>> zip = ReadZip(file, path, limits);
    if (!zip)
        return zip.failure();
    ArchiveInput input;
    if (const Done opened = input.Open(path, *zip ? std::optional(ArchiveKind::Zip) : std::nullopt); !opened)
        return opened.failure();
    const Result<QList<ArchiveHeader>> headers = ReadHeaders(input, path, limits);
    if (!headers)
        return headers.failure();
    const std::optional<ArchiveKind> kind = *zip ? ArchiveKind::Zip : input.kind();
    if (!kind)
        return ArchiveFailure(path,
                              QCoreApplication::translate("Archive", "format d'archive non pris en charge"));
    const Result<QList<Found>> found = *zip ? WithZipDirectory(*headers, **zip, path)
                                       : *kind == ArchiveKind::Rar4 || *kind == ArchiveKind::Rar5
                                           ? WithRarHeaders(file, *headers, *kind, path, limits)
                                           : Decoded(*headers, *kind);
    if (!found)
        return found.failure();
    auto checks = std::make_shared<ArchiveChecks>();
    checks->kind = *kind;
    checks->fileSize = file.size();
    ArchiveTable table;
    table.path = path;
    table.format = *zip ? QStringLiteral("ZIP") : input.formatName();
    return Tabled(*found, table, checks);
}
