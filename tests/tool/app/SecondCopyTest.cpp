// Two copies of the tool on one simulator folder: the one that holds it changes it, the other is told once
// what it may do and every change it tries is refused, its journal left alone. The other copy is a process
// of its own holding the folder's lock the way the tool does (flock).
#include "FlyFolderFixture.h"
#include "ScriptedDialogs.h"

#include "activation/ui/TF_checkdlls.h"
#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "journal/ChangeJournal.h"
#include "shell/Preferences.h"

#include <QAbstractButton>
#include <QProcess>
#include <gtest/gtest.h>

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
        other.kill();
        other.waitForFinished();
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

    FlyFolderFixture fly;
    ScriptedDialogs dialogs;
    std::unique_ptr<KestrelWindows> windows;
    QString lock;
    QProcess other;
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

} // namespace
