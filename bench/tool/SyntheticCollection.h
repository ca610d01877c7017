#pragma once

#include <QByteArray>
#include <QString>

// A collection of scenery add-ons as many installations would have left it, made without the installer:
// add-on k has filesEach files in scenery/, the first tenth of them covering files of add-on k-1, whose
// contents the library's store keeps.

// Writes bytes to a new file at path, or throws.
void WriteBenchFile(const QString& path, const QByteArray& bytes);
QByteArray CollectionContents(int addon, int file);
QString CollectionFileName(int addon, int file);
// work/Fly2 with the add-ons' files and their library, written once; the settings' simulator folder and
// the journal's home below work.
QString MakeCollection(const QString& work, int addons, int filesEach);
