#pragma once

#include "ScriptedDialogs.h"
#include "shell/Settings.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A temporary folder holding a synthetic Fly! II installation ("Fly2", made on demand by mkfly2) and
// whatever else a test builds beside it. The process-wide settings are restored afterwards.
class InstallFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        saved_ = AppSettings();
        // Deleted folders go to a trash inside the temporary folder, not the user's.
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        ASSERT_TRUE(QDir().mkpath(Path("home")));
        qputenv("XDG_DATA_HOME", Path("home").toLocal8Bit());
    }
    void TearDown() override {
        AppSettings() = saved_;
        qputenv("XDG_DATA_HOME", savedDataHome_);
    }

    QString Path(const QString& relative) const { return dir_.path() + '/' + relative; }

    // Makes the installation Fly2 and points the settings at it; returns its folder with a trailing '/'.
    QString MakeFly2() {
        const QString fly = Path("Fly2");
        QProcess mkfly2;
        mkfly2.start(QStringLiteral(MKFLY2_PATH), {fly, QStringLiteral("--records"), QStringLiteral("12")});
        EXPECT_TRUE(mkfly2.waitForFinished(120000));
        EXPECT_EQ(mkfly2.exitCode(), 0) << mkfly2.readAllStandardError().toStdString();
        Settings& settings = AppSettings();
        settings.FlyExePath = fly + QStringLiteral("/FLY2.EXE");
        settings.FlyFolder = fly + '/';
        settings.SceneryFolder = fly + QStringLiteral("/scenery/");
        return settings.FlyFolder;
    }

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

    bool Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }

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

    ScriptedDialogs dialogs_;

  private:
    QTemporaryDir dir_;
    Settings saved_;
    QByteArray savedDataHome_;
};
