#pragma once

#include "archive/ArchiveChecks.h"
#include "fs/Result.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// One header as libarchive reads it.
struct ArchiveHeader final {
    enum class Type { File, Folder, SymbolicLink, HardLink, Other };
    QByteArray name; // libarchive's pathname
    QString utf8;    // its UTF-8 form; null when libarchive has none
    Type type = Type::File;
    std::optional<qint64> size;
    bool encrypted = false;
};

// An archive read through libarchive, with the readers of the formats asked for only and never an outside
// program; names are converted as in a UTF-8 locale whatever the process's. Failures carry libarchive's
// text as their reason.
class ArchiveInput final {
  public:
    ArchiveInput();
    ~ArchiveInput();
    ArchiveInput(const ArchiveInput&) = delete;
    ArchiveInput& operator=(const ArchiveInput&) = delete;

    // Opens path for the reader of kind; with none, for every kind but ZIP (whose directory is read apart).
    Done Open(const QString& path, std::optional<ArchiveKind> kind);
    // The next header; none after the last.
    Result<std::optional<ArchiveHeader>> Next();
    // Up to max bytes of the current entry; 0 at its end.
    Result<qint64> Read(char* data, qint64 max);
    // What was read, once a header was: its kind, and its name with the compression around it.
    std::optional<ArchiveKind> kind() const;
    QString formatName() const;

  private:
    struct Handle;
    Failure LibFailure() const;

    std::unique_ptr<Handle> handle_;
    QString path_;
};
