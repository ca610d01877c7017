#pragma once

#include "QStringPrinter.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Reads a whole file; "<missing>" when it cannot be read.
QByteArray ReadFile(const QString& path);
// Writes bytes to path, making its folders first; a failure fails the test. Returns path.
QString WriteFile(const QString& path, const QByteArray& bytes);

// A temporary folder for hand-made fixtures; names are relative to it.
class TempFolder {
  public:
    bool isValid() const { return dir_.isValid(); }
    // The absolute path of relative inside the temporary folder.
    QString Path(const QString& relative) const { return dir_.path() + '/' + relative; }
    // Creates the file (and its folders) with the given bytes; returns its path.
    QString CreateFile(const QString& relative, const QByteArray& bytes = "x") const {
        return WriteFile(Path(relative), bytes);
    }
    // Creates the folder and its parents; returns its path.
    QString CreateDir(const QString& relative) const;
    QByteArray Read(const QString& relative) const { return ReadFile(Path(relative)); }
    bool Exists(const QString& relative) const;
    // Every file below relative, as sorted paths relative to it.
    QStringList FilesBelow(const QString& relative) const;
    // Every entry below relative, hidden ones included, with its bytes ("<folder>" for a folder): two
    // equal trees have the same names in the same case and the same contents.
    QMap<QString, QByteArray> Tree(const QString& relative) const;
    // The trees of several folders in one, each name beginning with its folder's.
    QMap<QString, QByteArray> Trees(const QStringList& relatives) const;
    // The entries of a folder, sorted, hidden ones included.
    QStringList Entries(const QString& relative) const;

  private:
    QTemporaryDir dir_;
};
