#pragma once

#include "archive/ArchiveEntry.h"
#include "archive/ArchiveTable.h"
#include "fs/Result.h"

#include <memory>
#include <optional>

class ArchiveInput;

// The file entries of an archive whose table was read, in archive order, each as a stream read in chunks,
// so that a file can go straight to its target. While streaming, the archive is held to its table: the
// same entries in the same order, each entry's bytes no more and no fewer than its stated size, and the
// CRC-32 that the format carries checked on the bytes streamed. An entry's bytes are sound only once Read
// has returned 0 for it; a failure (naming the archive, the entry and why) ends the reader, and whatever
// was written of that entry must be thrown away.
class ArchiveReader final {
  public:
    explicit ArchiveReader(ArchiveTable table);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // The next file entry of the table (what was not read of the one before is skipped without being
    // kept anywhere); null after the last.
    [[nodiscard]] Result<const ArchiveEntry*> Next();
    // Up to max (> 0) bytes of the current entry into data: how many, 0 at its end once every check passed
    // (and 0 with no current entry).
    [[nodiscard]] Result<qint64> Read(char* data, qint64 max);

  private:
    // Ends the reader with failure.
    Failure Fail(const Failure& failure);
    Done Open();
    Done CheckEnd();

    ArchiveTable table_;
    std::unique_ptr<ArchiveInput> input_;
    std::optional<Failure> failed_;
    int header_ = -1; // the archive's header read last
    const ArchiveEntry* current_ = nullptr;
    qint64 streamed_ = 0; // bytes of the current entry
    quint32 crc_ = 0;     // their CRC-32 so far
    bool ended_ = false;  // its end was reached and checked
};
