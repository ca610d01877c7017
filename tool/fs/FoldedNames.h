#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The names of one folder by their ASCII-folded form ('A' to 'Z' lowered, nothing else), so that a name
// finds the entries equal to it without regard to ASCII case at once.
class FoldedNames final {
  public:
    FoldedNames() = default;
    explicit FoldedNames(const QStringList& names);

    // The entry equal to name without regard to ASCII case, the first in name order when several are;
    // empty when none is.
    QString Find(const QString& name) const;
    void Add(const QString& name);
    void Remove(const QString& name);

    static QString Folded(const QString& name);

  private:
    QHash<QString, QStringList> byFolded_; // each list in name order
};
