#pragma once

#include <QString>

#include <ostream>

// Readable texts in failure reports instead of code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
