#pragma once

#include <QHash>
#include <QString>

#include <optional>

// The names of an archive's entries, and the folders they lie in, as they would land on a case-blind
// disk: a name equal to another but for ASCII case, a file of the same name as a folder, a file given twice.
class NameClashes final {
  public:
    // Adds an entry's checked name: why it clashes with one added before, or none.
    std::optional<QString> Add(const QString& name, bool folder);

  private:
    struct Seen final {
        QString name;
        bool folder = false;
    };
    std::optional<QString> AddOne(const QString& name, bool folder);

    QHash<QString, Seen> byFolded_;
};
