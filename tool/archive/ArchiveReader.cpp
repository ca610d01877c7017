#include "archive/ArchiveReader.h"

#include "archive/ArchiveChecks.h"
#include "archive/ArchiveFailure.h"
#include "archive/ArchiveInput.h"
#include "archive/Crc32.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString Hex(quint32 crc) {
    return QStringLiteral("%1").arg(crc, 8, 16, QChar(u'0'));
}

} // namespace

ArchiveReader::ArchiveReader(ArchiveTable table) : table_(std::move(table)) {}

ArchiveReader::~ArchiveReader() = default;

Failure ArchiveReader::Fail(const Failure& failure) {
    failed_ = failure;
    current_ = nullptr;
    return failure;
}

Done ArchiveReader::Open() {
    const Failure changed = ArchiveFailure(
        table_.path,
        QCoreApplication::translate("Archive", "l'archive a changé depuis la lecture de sa table"));
    if (!table_.checks || QFileInfo(table_.path).size() != table_.checks->fileSize)
        return changed;
    input_ = std::make_unique<ArchiveInput>();
    return input_->Open(table_.path, table_.checks->kind);
}

Result<const ArchiveEntry*> ArchiveReader::Next() {
    if (failed_)
        return *failed_;
    if (!input_)
        if (const Done opened = Open(); !opened)
            return Fail(opened.failure());
    const QList<HeaderCheck>& headers = table_.checks->headers;
    current_ = nullptr;
    while (header_ < headers.size()) {
        const Result<std::optional<ArchiveHeader>> next = input_->Next();
        if (!next)
            return Fail(next.failure());
        const qsizetype at = ++header_;
        if (at == headers.size() && !*next)
            break;
        if (at == headers.size() || !*next || (*next)->name != headers[at].name ||
            (*next)->size != headers[at].size)
            return Fail(ArchiveFailure(
                table_.path,
                QCoreApplication::translate("Archive", "l'archive a changé depuis la lecture de sa table")));
        if (headers[at].entry >= 0 && !table_.entries[headers[at].entry].folder) {
            current_ = &table_.entries[headers[at].entry];
            streamed_ = 0;
            crc_ = 0;
            ended_ = false;
            return current_;
        }
    }
    return static_cast<const ArchiveEntry*>(nullptr);
}

Result<qint64> ArchiveReader::Read(char* data, qint64 max) {
    if (failed_)
        return *failed_;
    if (!current_ || ended_ || max <= 0)
        return qint64(0);
    const Result<qint64> read = input_->Read(data, max);
    if (!read)
        return Fail(EntryFailure(table_.path, current_->name, read.failure().reason));
    if (*read == 0) {
        if (const Done end = CheckEnd(); !end)
            return Fail(end.failure());
        ended_ = true;
        return qint64(0);
    }
    if (*read > current_->size - streamed_)
        return Fail(EntryFailure(
            table_.path, current_->name,
            QCoreApplication::translate("Archive", "plus d'octets que les %1 annoncés").arg(current_->size)));
    streamed_ += *read;
    crc_ = Crc32(crc_, QByteArrayView(data, *read));
    return *read;
}

Done ArchiveReader::CheckEnd() {
    if (streamed_ != current_->size)
        return EntryFailure(table_.path, current_->name,
                            QCoreApplication::translate("Archive", "%1 octets au lieu des %2 annoncés")
                                .arg(streamed_)
                                .arg(current_->size));
    const std::optional<quint32>& crc = table_.checks->headers[header_].crc;
    if (crc && *crc != crc_)
        return EntryFailure(table_.path, current_->name,
                            QCoreApplication::translate(
                                "Archive", "somme de contrôle CRC-32 fausse (%1 attendue, %2 trouvée)")
                                .arg(Hex(*crc), Hex(crc_)));
    return {};
}
