#pragma once

#include "Mkfly2.h"
#include "ScriptedDialogs.h"
#include "SettingsTest.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QStringList>

// A snapshot as lines "name: contents", readable in failure reports.
inline QStringList Listed(const QMap<QString, QByteArray>& entries) {
    QStringList lines;
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry)
        lines << entry.key() + ": " + QString::fromUtf8(entry.value());
    return lines;
}

// A temporary folder holding a synthetic Fly! II installation ("Fly2", made on demand by mkfly2) and
// whatever else a test builds beside it. The process-wide settings are restored afterwards.
class InstallFixture : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        // Deleted folders go to a trash inside the temporary folder, not the user's.
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        ASSERT_TRUE(QDir().mkpath(Path("home")));
        qputenv("XDG_DATA_HOME", Path("home").toLocal8Bit());
    }
    void TearDown() override {
        SettingsTest::TearDown();
        qputenv("XDG_DATA_HOME", savedDataHome_);
    }

    // Makes the installation Fly2 and points the settings at it; returns its folder with a trailing '/'.
    QString MakeFly2() {
        const QString fly = Path("Fly2");
        MakeFly2Installation(fly, {QStringLiteral("--records"), QStringLiteral("12")});
        Settings& settings = AppSettings();
        settings.FlyExePath = fly + QStringLiteral("/FLY2.EXE");
        settings.FlyFolder = fly + '/';
        settings.SceneryFolder = fly + QStringLiteral("/scenery/");
        return settings.FlyFolder;
    }

    // Every entry below relative by its path there (names as on disk): a file's bytes, a folder's or a
    // link's mark. Links are not followed.
    QMap<QString, QByteArray> Snapshot(const QString& relative) const {
        const QDir base(Path(relative));
        QMap<QString, QByteArray> entries;
        QDirIterator it(base.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            const QString name = base.relativeFilePath(entry.filePath());
            if (entry.isSymLink())
                entries[name] = "link to " + entry.symLinkTarget().toUtf8();
            else if (entry.isDir())
                entries[name] = "folder";
            else
                entries[name] = ReadFile(entry.filePath());
        }
        return entries;
    }

    ScriptedDialogs dialogs_;

  private:
    QByteArray savedDataHome_;
};
