#pragma once

#include "shell/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary folder for hand-made fixtures, with fresh process-wide settings for each test.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        AppSettings() = Settings{};
    }
    void TearDown() override { AppSettings() = Settings{}; }

    // The absolute path of a name below the temporary folder.
    QString Path(const QString& relative) const { return temp.path() + '/' + relative; }

    QString MakeFile(const QString& relative, const QByteArray& bytes = "x") const {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
        return path;
    }

    QString MakeDir(const QString& relative) const {
        const QString path = Path(relative);
        QDir().mkpath(path);
        return path;
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // The entries of a folder, sorted, hidden ones included.
    QStringList Entries(const QString& relative) const {
        return QDir(Path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // A small simulator folder: fly2.exe, flystart.exe and the three folders the path check wants.
    QString MakeSimulator(const QString& relative = QStringLiteral("Fly2")) const {
        MakeFile(relative + "/fly2.exe");
        MakeFile(relative + "/flystart.exe");
        MakeDir(relative + "/system");
        MakeDir(relative + "/modules/pc");
        MakeDir(relative + "/modules/scripts/global");
        return Path(relative) + '/';
    }

    QTemporaryDir temp;
};
