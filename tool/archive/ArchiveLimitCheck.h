#pragma once

#include "archive/ArchiveLimits.h"

#include <QString>

#include <optional>

// The limits held to an archive's entries one after the other.
class ArchiveLimitCheck final {
  public:
    explicit ArchiveLimitCheck(const ArchiveLimits& limits) : limits_(limits) {}
    // One more entry, of size bytes (0 for a folder): why it passes a limit, or none.
    std::optional<QString> Add(qint64 size);

  private:
    ArchiveLimits limits_;
    qint64 entries_ = 0;
    qint64 total_ = 0;
};

// Why the entry after the limit-th is refused.
QString TooManyEntries(qint64 limit);
