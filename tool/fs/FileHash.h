#pragma once

#include "fs/Fingerprint.h"

struct XXH3_state_s;

// A file's bytes, fed in pieces, hashed into its fingerprint with the hash asked for.
class FileHash final {
  public:
    explicit FileHash(Fingerprint::Hash hash = Fingerprint::Hash::Xxh3);
    ~FileHash();
    FileHash(const FileHash&) = delete;
    FileHash& operator=(const FileHash&) = delete;

    void Add(const char* data, qsizetype size);
    Fingerprint Value() const;

  private:
    Fingerprint::Hash hash_;
    Checksum fnv_;
    XXH3_state_s* xxh3_ = nullptr;
    qint64 size_ = 0;
};
