#pragma once

#include "shell/Settings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary program folder and simulator system folder for the tuning tests; the program folder
// becomes the tool's own folder while the fixture lives.
class IniFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        savedProgramFolder_ = AppSettings().ProgramFolder;
        AppSettings().ProgramFolder = dir_.path() + "/program/";
        QDir().mkpath(dir_.path() + "/program");
        QDir().mkpath(dir_.path() + "/system");
    }
    void TearDown() override { AppSettings().ProgramFolder = savedProgramFolder_; }

    QString SystemFile(const QString& name) const { return dir_.path() + "/system/" + name; }
    QString RecommendationsPath() const { return AppSettings().ProgramFolder + "flyinirec.txt"; }
    QString SystemFolder() const { return dir_.path() + "/system"; }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString savedProgramFolder_;
};
