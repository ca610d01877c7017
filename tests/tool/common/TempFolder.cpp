#include "TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path())) << path.toStdString();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
    return path;
}

QString TempFolder::CreateDir(const QString& relative) const {
    const QString path = Path(relative);
    EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
    return path;
}

bool TempFolder::Exists(const QString& relative) const {
    return QFileInfo::exists(Path(relative));
}

QStringList TempFolder::FilesBelow(const QString& relative) const {
    const QDir base(Path(relative));
    QStringList files;
    QDirIterator it(base.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << base.relativeFilePath(it.next());
    files.sort();
    return files;
}

QMap<QString, QByteArray> TempFolder::Tree(const QString& relative) const {
    const QDir base(Path(relative));
    QMap<QString, QByteArray> tree;
    QDirIterator it(base.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        tree.insert(base.relativeFilePath(path),
                    it.fileInfo().isDir() ? QByteArray("<folder>") : ReadFile(path));
    }
    return tree;
}

QMap<QString, QByteArray> TempFolder::Trees(const QStringList& relatives) const {
    QMap<QString, QByteArray> trees;
    for (const QString& relative : relatives) {
        const QMap<QString, QByteArray> tree = Tree(relative);
        for (auto it = tree.cbegin(); it != tree.cend(); ++it)
            trees.insert(relative + '/' + it.key(), it.value());
    }
    return trees;
}

QStringList TempFolder::Entries(const QString& relative) const {
    return QDir(Path(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
