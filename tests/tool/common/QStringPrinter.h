#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <ostream>

// Readable texts in failure reports instead of code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A tree of names and contents: each name with its size.
inline void PrintTo(const QMap<QString, QByteArray>& tree, std::ostream* out) {
    for (auto it = tree.cbegin(); it != tree.cend(); ++it)
        *out << "\n  " << it.key().toStdString() << " (" << it.value().size() << " bytes)";
}
