// Two copies of the tool on one simulator folder: the one that holds it changes it, the other is told once
// what it may do and every change it tries is refused, its journal left alone. The other copy is a process
// of its own holding the folder's lock the way the tool does (flock). A copy started later with an add-on
// to install hands it to the one that holds the folder and ends.
#include "FlyFolderFixture.h"
#include "LaterCopy.h"
#include "ScriptedDialogs.h"

#include "activation/ui/TF_checkdlls.h"
#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "install/ui/TF_AutoInstall.h"
#include "journal/ChangeJournal.h"
#include "shell/ArgumentHandover.h"
#include "shell/Preferences.h"
#include "shell/ui/TOptionsForm.h"

#include <QAbstractButton>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class SecondCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fly.CreateFile("Fly2/modules/pc/a.dll");
        fly.WriteShortPreferences(fly.FlyExe());
        lock = ChangeJournal(fly.FlyFolder()).Folder().chopped(1) + ".lock";
        ASSERT_TRUE(QDir().mkpath(QFileInfo(lock).path()));
    }
    void TearDown() override {
        for (QProcess* process : {&other, &first, &third}) {
            process->kill();
            process->waitForFinished();
        }
    }

    // Another process holds the folder's lock until the test ends.
    void OtherCopyHoldsTheFolder() {
        other.start("flock", {"-n", lock, "sh", "-c", "echo held; exec sleep 600"});
        ASSERT_TRUE(other.waitForReadyRead(10000)) << other.errorString().toStdString();
        ASSERT_EQ(other.readAll(), "held\n");
    }

    void Start() {
        StartUpSettings(fly.Path("tool"), QString());
        windows = std::make_unique<KestrelWindows>();
        windows->Main().show();
    }

    // The built program as a copy of the tool in the fixture's tool folder, started with arguments; it finds
    // its preferences beside its real file, so it is a hard link there (a copy across file systems).
    void StartProgram(QProcess& process, const QStringList& arguments) {
        const QString program = fly.Path("tool/flykestrel");
        if (!QFileInfo::exists(program) && ::link(FLYKESTREL_PATH, program.toLocal8Bit().constData()) != 0) {
            ASSERT_TRUE(QFile::copy(FLYKESTREL_PATH, program));
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", fly.CreateDir("config"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted(30000)) << process.errorString().toStdString();
    }

    FlyFolderFixture fly;
    ScriptedDialogs dialogs;
    std::unique_ptr<KestrelWindows> windows;
    QString lock;
    QProcess other;
    // Copies of the built program.
    QProcess first;
    QProcess third;
};

TEST_F(SecondCopyTest, TheSecondCopyIsToldOnceAndChangesNothing) {
    OtherCopyHoldsTheFolder();
    const QString leftover = ChangeJournal(fly.FlyFolder()).Folder() + "000007.new"; // the other's entry
    QFile entry(leftover);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(leftover).path()) && entry.open(QIODevice::WriteOnly));
    entry.close();
    Start();
    ASSERT_EQ(dialogs.Texts().size(), 1);
    EXPECT_EQ(dialogs.Texts()[0],
              "Une autre copie de FlyKestrel est déjà ouverte sur " + fly.FlyFolder() +
                  ".\nCelle-ci peut afficher les listes, les réglages, l'historique des modifications et la "
                  "bibliothèque des add-ons, mais ne peut rien changer dans ce dossier (activer, installer, "
                  "enregistrer, annuler) tant que l'autre reste ouverte.");
    // Not even the first run's copies of the control files.
    EXPECT_FALSE(QFileInfo::exists(fly.Path("Fly2/FLYdefault.fcr")));
    // A copy started later meets the lock too rather than this copy.
    EXPECT_FALSE(LaterCopyHandsOver(fly.FlyFolder(), fly.Path("addon")));

    dialogs.Clear();
    AppSettings().DLLPath = fly.Path("Fly2/modules/pc");
    TF_checkdlls dlls;
    dlls.show();
    dlls.findChild<QAbstractButton*>("Button4")->click(); // all off
    dlls.findChild<QAbstractButton*>("Button1")->click();
    EXPECT_EQ(dialogs.Texts(),
              QStringList{"Ces fichiers n'ont pas été changés :\n\n" + fly.Path("Fly2/modules/pc/a.dll") +
                          "\nRaison : une autre copie de FlyKestrel est ouverte sur ce dossier et seule elle "
                          "peut le modifier"});
    EXPECT_TRUE(QFileInfo::exists(fly.Path("Fly2/modules/pc/a.dll")));
    EXPECT_TRUE(QFileInfo::exists(leftover));
    EXPECT_TRUE(ChangeJournal(fly.FlyFolder()).Entries().isEmpty());
}

TEST_F(SecondCopyTest, TheFirstCopyHoldsTheFolderForAsLongAsItRuns) {
    Start();
    EXPECT_TRUE(dialogs.Texts().isEmpty());
    EXPECT_EQ(QProcess::execute("flock", {"-n", lock, "true"}), 1);
}

TEST_F(SecondCopyTest, AnArgumentHandedOverBringsTheWindowUpAndTheInstallerOnIt) {
    const QString archive = fly.CreateFile("downloads/addon.zip");
    Start();
    windows->Main().showMinimized();
    ASSERT_TRUE(LaterCopyHandsOver(fly.FlyFolder(), archive));
    TF_AutoInstall& installer = windows->AutoInstall();
    QTRY_COMPARE(installer.SourceFolder(), archive);
    EXPECT_TRUE(installer.isVisible());
    EXPECT_FALSE(windows->Main().isMinimized());
    EXPECT_EQ(windows->Main().findChild<QTabWidget*>("TabbedNotebook1")->currentIndex(), 7);
    EXPECT_TRUE(dialogs.Texts().isEmpty());
}

// Paths not valid at start-up: the folder is taken, arguments included, once the path window says OK.
TEST_F(SecondCopyTest, ThePathWindowsOkTakesTheArgumentsOfTheFolder) {
    QDir(fly.Path("Fly2/modules/pc")).removeRecursively();
    Start();
    EXPECT_FALSE(LaterCopyHandsOver(fly.FlyFolder(), fly.CreateDir("addon")));
    dialogs.AnswerYes(); // create modules/pc
    QTimer::singleShot(0, [this] { windows->Options().findChild<QPushButton*>("BtnOK")->click(); });
    windows->Main().findChild<QAbstractButton*>("Button7")->click();
    ASSERT_EQ(windows->Options().result(), QDialog::Accepted);
    EXPECT_TRUE(LaterCopyHandsOver(fly.FlyFolder(), fly.Path("addon")));
    QTRY_COMPARE(windows->AutoInstall().SourceFolder(), fly.Path("addon"));
}

// The programs themselves: what the first copy does with the argument shows nowhere outside it (the
// in-process cases above look at that); the later copy ends at once, and a copy killed leaves a socket that
// the next one takes over.
TEST_F(SecondCopyTest, ALaterStartWithAnArgumentHandsItOverAndEnds) {
    const QString socket = ArgumentHandover::ServerName(fly.FlyFolder());
    const QString archive = fly.CreateFile("downloads/addon.tar.xz");
    StartProgram(first, {});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket) || first.state() == QProcess::NotRunning, 30000);
    ASSERT_EQ(first.state(), QProcess::Running) << first.readAllStandardError().toStdString();

    QProcess second;
    StartProgram(second, {archive});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    ASSERT_TRUE(first.waitForFinished(30000));
    ASSERT_TRUE(QFileInfo::exists(socket));
    StartProgram(third, {archive});
    QTRY_VERIFY_WITH_TIMEOUT(
        ArgumentHandover::HandOver(fly.FlyFolder(), archive) || third.state() == QProcess::NotRunning, 30000);
    EXPECT_EQ(third.state(), QProcess::Running) << third.readAllStandardError().toStdString();
}

} // namespace
