#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

// What a path holds at one moment, small enough to keep with every journaled change: nothing, a plain file
// (its size and a hash of its bytes: XXH3 of 128 bits; FNV-1a of 64 bits in what was written before), a folder (a checksum of the names, kinds, sizes and times of
// everything below it), a symbolic link (its target text), or something else. The journal compares them
// to tell whether a change is still in place, was never made, or was changed since by someone else.
struct Fingerprint final {
    enum class Kind { Absent, File, Folder, Link, Other, Unknown };
    // The hash of a file's bytes; a folder's and a link's sums are checksums (below) whatever this says.
    enum class Hash { Xxh3, Fnv };

    Kind kind = Kind::Absent;
    qint64 size = 0;
    quint64 sum = 0;
    quint64 high = 0; // the upper half of an XXH3 sum
    Hash hash = Hash::Xxh3;

    bool operator==(const Fingerprint&) const = default;

    // "-", "f<size>.x<high><sum>" (32 digits; "f<size>.<sum>" for FNV-1a), "d<sum>", "l<sum>", "o" or "?"
    // (not known yet), in hexadecimal but the size; Parse(Text()) gives it back, and only such a text parses.
    QByteArray Text() const;
    void AppendText(QByteArray& out) const;
    static std::optional<Fingerprint> Parse(QByteArrayView text);
};

// The FNV-1a checksum of the bytes, fed in pieces: of lines, names, and folders' listings.
class Checksum final {
  public:
    void Add(const char* data, qsizetype size);
    quint64 Value() const { return sum_; }

  private:
    quint64 sum_ = 14695981039346656037ULL;
};
