// Key and joystick sets copied over the simulator's live files.
#include "ShellFixture.h"

#include "shell/ControlFileSets.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

struct SetKind {
    QString live; // relative to the temporary folder
    QString set;  // the saved set beside it, by its bare name
    Result<Done> (*use)(const QString& flyFolder, const QString& name);
};

const SetKind Kinds[] = {{"Fly2/system/default.key", "pilot.fky", UseKeySet},
                         {"Fly2/control.txt", "pilot.fcr", UseJoystickSet}};

class ControlFileSetsTest : public ShellTest {
  protected:
    void MakeFiles(const SetKind& kind) const {
        CreateFile(kind.live, "changed in the simulator");
        CreateFile(Folder(kind) + kind.set, "saved set");
    }
    static QString Folder(const SetKind& kind) { return kind.live.left(kind.live.lastIndexOf('/') + 1); }
    // The dated backups of the live file, relative to the temporary folder.
    QStringList Backups(const SetKind& kind) const {
        const QRegularExpression stamped(QRegularExpression::escape(kind.live.section('/', -1)) +
                                         "\\d{12}\\.BAK");
        QStringList found;
        for (const QString& name : Entries(Folder(kind)).filter(stamped))
            found << Folder(kind) + name;
        return found;
    }
};

TEST_F(ControlFileSetsTest, UsingASetKeepsADatedBackupOfTheLiveFile) {
    for (const SetKind& kind : Kinds) {
        MakeFiles(kind);
        const Result<Done> used = kind.use(Path("Fly2/"), kind.set);
        ASSERT_TRUE(used) << kind.live.toStdString();
        EXPECT_TRUE(*used) << kind.live.toStdString();
        EXPECT_EQ(Read(kind.live), "saved set");
        const QStringList backups = Backups(kind);
        ASSERT_EQ(backups.size(), 1) << kind.live.toStdString();
        EXPECT_EQ(Read(backups[0]), "changed in the simulator");
    }
}

TEST_F(ControlFileSetsTest, AFailedBackupStopsTheCopyNamingTheLiveFile) {
    for (const SetKind& kind : Kinds) {
        MakeFiles(kind);
        // Folders in the way of the backup names of the next seconds make the backup fail.
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 4; ++s)
            CreateDir(kind.live + now.addSecs(s).toString("ddMMyyHHmmss") + ".BAK");
        const Result<Done> used = kind.use(Path("Fly2/"), kind.set);
        ASSERT_FALSE(used) << kind.live.toStdString();
        EXPECT_EQ(used.failure().path, Path(kind.live));
        EXPECT_FALSE(used.failure().refused);
        EXPECT_EQ(Read(kind.live), "changed in the simulator");
    }
}

} // namespace
