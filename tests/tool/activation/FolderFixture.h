#pragma once

#include "shell/Settings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A temporary folder to build small installations in; the process-wide settings are restored afterwards.
class FolderFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        saved_ = AppSettings();
    }
    void TearDown() override { AppSettings() = saved_; }

    // The full path of relative inside the temporary folder.
    QString Path(const QString& relative) const { return dir_.path() + '/' + relative; }

    // Creates the file (and its folders) with the given bytes.
    void Touch(const QString& relative, const QByteArray& bytes = "x") const {
        const QString path = Path(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray Read(const QString& relative) const {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Every file below relative, as sorted paths relative to it.
    QStringList FilesBelow(const QString& relative) const {
        const QDir base(Path(relative));
        QStringList files;
        QDirIterator it(base.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << base.relativeFilePath(it.next());
        files.sort();
        return files;
    }

  private:
    QTemporaryDir dir_;
    Settings saved_;
};
