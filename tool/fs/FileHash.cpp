#include "fs/FileHash.h"

#include <xxhash.h>
#if defined(__x86_64__) || defined(__i386__)
#include <xxh_x86dispatch.h> // the widest vector unit the processor has
#endif

FileHash::FileHash(Fingerprint::Hash hash) : hash_(hash) {
    if (hash_ == Fingerprint::Hash::Xxh3) {
        xxh3_ = XXH3_createState();
        XXH3_128bits_reset(xxh3_);
    }
}

FileHash::~FileHash() {
    XXH3_freeState(xxh3_);
}

void FileHash::Add(const char* data, qsizetype size) {
    size_ += size;
    if (xxh3_ != nullptr)
        XXH3_128bits_update(xxh3_, data, size_t(size));
    else
        fnv_.Add(data, size);
}

Fingerprint FileHash::Value() const {
    if (xxh3_ == nullptr)
        return {Fingerprint::Kind::File, size_, fnv_.Value(), 0, Fingerprint::Hash::Fnv};
    const XXH128_hash_t sum = XXH3_128bits_digest(xxh3_);
    return {Fingerprint::Kind::File, size_, sum.low64, sum.high64, Fingerprint::Hash::Xxh3};
}
