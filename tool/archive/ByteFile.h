#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// An archive file read by ranges, each checked against the file's size: what the archive's own fields
// point at is read only where it lies inside the file.
class ByteFile final {
  public:
    explicit ByteFile(const QString& path) : file_(path) {}
    bool Open() { return file_.open(QIODevice::ReadOnly); }
    qint64 size() const { return file_.size(); }
    // The count bytes at offset; none when they don't all lie in the file or can't be read.
    std::optional<QByteArray> Read(quint64 offset, quint64 count);
    // Where bytes first stand among the file's first within bytes; none if nowhere.
    std::optional<qint64> Find(const QByteArray& bytes, qint64 within);

  private:
    QFile file_;
};
