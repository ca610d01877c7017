#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// What a path holds at one moment, small enough to keep with every journaled change: nothing, a plain file
// (its size and a checksum of its bytes), a folder (a checksum of the names, kinds, sizes and times of
// everything below it), a symbolic link (its target text), or something else. The journal compares them
// to tell whether a change is still in place, was never made, or was changed since by someone else.
struct Fingerprint final {
    enum class Kind { Absent, File, Folder, Link, Other, Unknown };

    Kind kind = Kind::Absent;
    qint64 size = 0;
    quint64 sum = 0;

    bool operator==(const Fingerprint&) const = default;

    // "-", "f<size>.<sum>", "d<sum>", "l<sum>", "o" or "?" (not known yet); Parse(Text()) gives it back.
    QString Text() const;
    static Fingerprint Parse(const QString& text);
};

// The checksum of the bytes, fed in pieces.
class Checksum final {
  public:
    void Add(const char* data, qsizetype size);
    quint64 Value() const { return sum_; }

  private:
    quint64 sum_ = 14695981039346656037ULL;
};
