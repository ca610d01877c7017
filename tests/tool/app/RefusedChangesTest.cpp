// Changes that a full or read-only disk stops, made through the windows: the one box that names the files
// and the reason, the window still open, nothing changed and no entry left in the journal. The disks are
// small file systems, which take root to mount; elsewhere the cases are skipped.
#include "ModalSteps.h"
#include "ScriptedDialogs.h"
#include "SmallFileSystem.h"
#include "SettingsTest.h"
#include "UndoNewest.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checksceneries.h"
#include "fs/NativeFs.h"
#include "initune/ui/Tf_inikestrel.h"
#include "install/ui/TF_SceneryCopy.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalScope.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString NotChangedBox(const QStringList& paths, const QString& reason) {
    return QString::fromUtf8("Ces fichiers n'ont pas été changés :\n\n") + paths.join('\n') +
           "\nRaison : " + reason;
}

QString JournalFull(const QString& flyFolder) {
    return QString::fromUtf8("l'historique des modifications ne peut pas être écrit dans ") +
           ChangeJournal(flyFolder).Folder() +
           QString::fromUtf8(" (Aucun espace disponible sur le périphérique)");
}

// The journal of the simulator folder Fly2 goes to the folder "data", where a test can mount a full disk.
class RefusedChangesTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(CreateDir("data")));
        AppSettings().FlyFolder = CreateDir("Fly2") + '/';
    }
    void TearDown() override {
        ::chmod(QFile::encodeName(Path("Fly2/scenery")).constData(), 0755); // after a read-only fallback
        qputenv("XDG_DATA_HOME", savedDataHome_);
        SettingsTest::TearDown();
    }

    // Makes the folder read-only: the small file system over it remounted so, else, for a user other than
    // root, the folder's mode. The system's reason for a change refused there; empty when neither works.
    static QString MakeReadOnly(SmallFileSystem& disk, const QString& folder) {
        if (disk.available())
            return disk.MakeReadOnly() ? QString::fromUtf8("Système de fichiers en lecture seule")
                                       : QString();
        if (::geteuid() == 0 || ::chmod(QFile::encodeName(folder).constData(), 0555) != 0)
            return {};
        return QString::fromUtf8("Permission refusée");
    }

    QList<JournalEntry> Entries() const { return ChangeJournal(AppSettings().FlyFolder).Entries(); }

    // After the click that was refused: the one box, the window still open, the folder as it was before and
    // no entry in the journal.
    void ExpectRefused(const QWidget& window, const QString& box, const QString& folder,
                       const QMap<QString, QByteArray>& before) const {
        EXPECT_EQ(dialogs_.Texts(), QStringList{box});
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(Tree(folder), before);
        EXPECT_TRUE(Entries().isEmpty());
    }

    ScriptedDialogs dialogs_;

  private:
    QByteArray savedDataHome_;
};

TEST_F(RefusedChangesTest, DllActivationWithTheJournalFull) {
    CreateFile("Fly2/modules/pc/a.dll");
    CreateFile("Fly2/modules/pc/b.dll");
    AppSettings().DLLPath = Path("Fly2/modules/pc");
    SmallFileSystem journalDisk(Path("data"));
    if (!journalDisk.available())
        GTEST_SKIP() << journalDisk.why().toStdString();
    ASSERT_TRUE(journalDisk.Fill());
    const QMap<QString, QByteArray> before = Tree("Fly2");
    TF_checkdlls window;
    window.show();
    Click(window, "Button4");
    Click(window, "Button1");
    ExpectRefused(window,
                  NotChangedBox({Path("Fly2/modules/pc/a.dll"), Path("Fly2/modules/pc/b.dll")},
                                JournalFull(Path("Fly2/"))),
                  "Fly2", before);
}

TEST_F(RefusedChangesTest, FlyIniSaveWithTheJournalFullNamesTheJournal) {
    AppSettings().ProgramFolder = CreateDir("tool") + '/';
    AppSettings().FlyIniPath = CreateFile("Fly2/system/fly.ini", "NullZone=0\r\n");
    SmallFileSystem journalDisk(Path("data"));
    if (!journalDisk.available())
        GTEST_SKIP() << journalDisk.why().toStdString();
    ASSERT_TRUE(journalDisk.Fill());
    const QMap<QString, QByteArray> before = Tree("Fly2");
    Tf_inikestrel window;
    window.OpenFlyIni();
    Click(window, "ButtonSave");
    ExpectRefused(window, NotChangedBox({Path("Fly2/system/fly.ini")}, JournalFull(Path("Fly2/"))), "Fly2",
                  before);
}

TEST_F(RefusedChangesTest, SceneryActivationInAReadOnlyFolder) {
    SmallFileSystem sceneryDisk(Path("Fly2/scenery"));
    CreateFile("Fly2/scenery/a.pod");
    CreateFile("Fly2/scenery/b.scf");
    const QString reason = MakeReadOnly(sceneryDisk, Path("Fly2/scenery"));
    if (reason.isEmpty())
        GTEST_SKIP() << "the scenery folder can't be made read-only: " << sceneryDisk.why().toStdString();
    AppSettings().SceneryFolder = Path("Fly2/scenery/");
    dialogs_.AnswerFolder(Path("Fly2/scenery"));
    const QMap<QString, QByteArray> before = Tree("Fly2");
    TF_checksceneries window;
    window.show();
    Click(window, "Button4");
    Click(window, "Button1");
    ExpectRefused(window, NotChangedBox({Path("Fly2/scenery/a.pod"), Path("Fly2/scenery/b.scf")}, reason),
                  "Fly2", before);
}

TEST_F(RefusedChangesTest, SceneryCopyToAFullDisk) {
    CreateFile("source/a.pod");
    CreateFile("source/b.scf");
    SmallFileSystem targetDisk(Path("target"));
    if (!targetDisk.available())
        GTEST_SKIP() << targetDisk.why().toStdString();
    ASSERT_TRUE(targetDisk.Fill());
    const QMap<QString, QByteArray> target = Tree("target");
    TF_SceneryCopy window;
    window.show();
    dialogs_.AnswerFolder(Path("source"));
    dialogs_.AnswerFolder(Path("target"));
    Click(window, "ButtonSource");
    Click(window, "ButtonDestination");
    Click(window, "ButtonCopy");
    ExpectRefused(window,
                  NotChangedBox({Path("target/a.pod"), Path("target/b.scf")},
                                QString::fromUtf8("Aucun espace disponible sur le périphérique")),
                  "target", target);
    EXPECT_EQ(FilesBelow("source"), QStringList({"a.pod", "b.scf"}));
}

// A line of the entry that the full disk cut short is cut back before the next one is written: once the
// disk has room again the operation goes on, its entry reads whole and undo brings every file back.
TEST_F(RefusedChangesTest, JournalDiskFillingDuringAnOperation) {
    const int count = 40;
    for (int i = 0; i < count; ++i)
        CreateFile(QStringLiteral("Fly2/modules/pc/plug-in number %1.dll").arg(i));
    SmallFileSystem journalDisk(Path("data"));
    if (!journalDisk.available())
        GTEST_SKIP() << journalDisk.why().toStdString();
    const QString fly = AppSettings().FlyFolder;
    const QMap<QString, QByteArray> before = Tree("Fly2");
    ChangeJournal journal(fly);
    int refused = 0;
    {
        const JournalScope scope(fly, QStringLiteral("Activation *.DLL"));
        for (int i = 0; i < count; ++i) {
            const QString dll = Path(QStringLiteral("Fly2/modules/pc/plug-in number %1.dll").arg(i));
            const qint64 entrySize = i == 0 ? 0 : QFileInfo(journal.Entries().value(0).file).size();
            Done renamed = RenameNoReplace(dll, dll + ".notused");
            if (!renamed && refused++ == 0) {
                EXPECT_EQ(renamed.failure().reason, JournalFull(fly));
                EXPECT_EQ(QFileInfo(journal.Entries().value(0).file).size(), entrySize);
                journalDisk.Free();
                renamed = RenameNoReplace(dll, dll + ".notused");
            }
            ASSERT_TRUE(renamed) << renamed.failure().reason.toStdString();
            if (i == 0) {
                ASSERT_TRUE(journalDisk.Fill());
            }
        }
    }
    EXPECT_EQ(refused, 1);
    const QList<JournalEntry> entries = journal.Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].damage, QString());
    EXPECT_EQ(entries[0].FileCount(), count);
    EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
    EXPECT_EQ(Tree("Fly2"), before);
}

} // namespace
