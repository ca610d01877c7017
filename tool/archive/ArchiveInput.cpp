#include "archive/ArchiveInput.h"

#include "archive/ArchiveFailure.h"

#include <QCoreApplication>
#include <QFile>

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>

namespace {

// libarchive converts names through the thread's locale: this thread's is UTF-8 while it works, so that
// names come out the same in any process (the tests, a fuzzer, a user's locale that isn't UTF-8).
class Utf8Locale final {
  public:
    Utf8Locale() : previous_(uselocale(Locale())) {}
    ~Utf8Locale() { uselocale(previous_); }
    Utf8Locale(const Utf8Locale&) = delete;
    Utf8Locale& operator=(const Utf8Locale&) = delete;

  private:
    static locale_t Locale() {
        static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
        return utf8; // none (0) leaves the thread's locale as it is
    }
    locale_t previous_;
};

// The filters built into libarchive only: one that would start an outside program is refused.
bool SupportFilters(archive* a) {
    return archive_read_support_filter_gzip(a) == ARCHIVE_OK &&
           archive_read_support_filter_bzip2(a) == ARCHIVE_OK &&
           archive_read_support_filter_xz(a) == ARCHIVE_OK;
}

bool SupportKind(archive* a, ArchiveKind kind) {
    switch (kind) {
    case ArchiveKind::Zip:
        // The CRC-32 of every entry is checked on the bytes streamed, with a message of our own.
        return archive_read_support_format_zip_seekable(a) == ARCHIVE_OK &&
               archive_read_set_format_option(a, "zip", "ignorecrc32", "1") == ARCHIVE_OK;
    case ArchiveKind::Rar4:
        return archive_read_support_format_rar(a) == ARCHIVE_OK;
    case ArchiveKind::Rar5:
        return archive_read_support_format_rar5(a) == ARCHIVE_OK;
    case ArchiveKind::SevenZip:
        return archive_read_support_format_7zip(a) == ARCHIVE_OK;
    case ArchiveKind::Tar:
        return archive_read_support_format_tar(a) == ARCHIVE_OK && SupportFilters(a);
    }
    return false;
}

ArchiveHeader::Type TypeOf(archive_entry* entry) {
    if (archive_entry_hardlink(entry))
        return ArchiveHeader::Type::HardLink;
    if (archive_entry_symlink(entry))
        return ArchiveHeader::Type::SymbolicLink;
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
        return ArchiveHeader::Type::File;
    case AE_IFDIR:
        return ArchiveHeader::Type::Folder;
    case AE_IFLNK:
        return ArchiveHeader::Type::SymbolicLink;
    default:
        return ArchiveHeader::Type::Other;
    }
}

} // namespace

struct ArchiveInput::Handle final {
    archive* a = archive_read_new();
    ~Handle() {
        Utf8Locale utf8;
        archive_read_free(a);
    }
};

ArchiveInput::ArchiveInput() = default;
ArchiveInput::~ArchiveInput() = default;

Done ArchiveInput::Open(const QString& path, std::optional<ArchiveKind> kind) {
    path_ = path;
    const Utf8Locale utf8;
    handle_ = std::make_unique<Handle>();
    archive* a = handle_->a;
    bool supported = true;
    for (const ArchiveKind each :
         {ArchiveKind::Rar4, ArchiveKind::Rar5, ArchiveKind::SevenZip, ArchiveKind::Tar})
        if (!kind || *kind == each)
            supported = SupportKind(a, each) && supported;
    if (kind == ArchiveKind::Zip)
        supported = SupportKind(a, ArchiveKind::Zip);
    if (!supported)
        return LibFailure();
    if (archive_read_open_filename(a, QFile::encodeName(path).constData(), 64 * 1024) != ARCHIVE_OK)
        return LibFailure();
    return {};
}

Result<std::optional<ArchiveHeader>> ArchiveInput::Next() {
    const Utf8Locale utf8;
    archive_entry* entry = nullptr;
    const int read = archive_read_next_header(handle_->a, &entry);
    if (read == ARCHIVE_EOF)
        return std::optional<ArchiveHeader>();
    // A warning too: a name that can't be converted, a header read in part.
    if (read != ARCHIVE_OK)
        return LibFailure();
    ArchiveHeader header;
    header.name = QByteArray(archive_entry_pathname(entry));
    if (const char* name = archive_entry_pathname_utf8(entry))
        header.utf8 = QString::fromUtf8(name);
    header.type = TypeOf(entry);
    if (archive_entry_size_is_set(entry))
        header.size = archive_entry_size(entry);
    header.encrypted = archive_entry_is_encrypted(entry);
    return std::optional<ArchiveHeader>(header);
}

Result<qint64> ArchiveInput::Read(char* data, qint64 max) {
    const Utf8Locale utf8;
    const la_ssize_t read = archive_read_data(handle_->a, data, size_t(max));
    if (read < 0)
        return LibFailure();
    return qint64(read);
}

std::optional<ArchiveKind> ArchiveInput::kind() const {
    if (!handle_ || archive_format(handle_->a) == 0)
        return std::nullopt;
    const int filter = archive_filter_code(handle_->a, 0);
    switch (archive_format(handle_->a) & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_ZIP:
        return ArchiveKind::Zip;
    case ARCHIVE_FORMAT_TAR:
        return ArchiveKind::Tar;
    }
    if (filter != ARCHIVE_FILTER_NONE) // a RAR or 7z archive inside a compressed file: not one we read
        return std::nullopt;
    switch (archive_format(handle_->a) & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_RAR:
        return ArchiveKind::Rar4;
    case ARCHIVE_FORMAT_RAR_V5:
        return ArchiveKind::Rar5;
    case ARCHIVE_FORMAT_7ZIP:
        return ArchiveKind::SevenZip;
    }
    return std::nullopt;
}

QString ArchiveInput::formatName() const {
    switch (kind().value_or(ArchiveKind::Zip)) {
    case ArchiveKind::Zip:
        return QStringLiteral("ZIP");
    case ArchiveKind::Rar4:
        return QStringLiteral("RAR 4");
    case ArchiveKind::Rar5:
        return QStringLiteral("RAR 5");
    case ArchiveKind::SevenZip:
        return QStringLiteral("7z");
    case ArchiveKind::Tar:
        break;
    }
    switch (archive_filter_code(handle_->a, 0)) {
    case ARCHIVE_FILTER_GZIP:
        return QStringLiteral("tar.gz");
    case ARCHIVE_FILTER_BZIP2:
        return QStringLiteral("tar.bz2");
    case ARCHIVE_FILTER_XZ:
        return QStringLiteral("tar.xz");
    }
    return QStringLiteral("tar");
}

Failure ArchiveInput::LibFailure() const {
    const char* text = handle_ ? archive_error_string(handle_->a) : nullptr;
    return ArchiveFailure(path_, Damaged(text ? QString::fromUtf8(text).trimmed()
                                              : QCoreApplication::translate("Archive", "erreur inconnue")));
}
