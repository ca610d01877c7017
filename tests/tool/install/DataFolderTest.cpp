// Putting the simulator's data folder aside before slicing and bringing it back.
#include "InstallFixture.h"
#include "SmallFileSystem.h"

#include "install/ui/TFLYDataForm.h"
#include "journal/JournalScope.h"

#include <QPushButton>

#include <cerrno>
#include <cstring>

namespace {

const QString Bup = QStringLiteral("Répertoire [BUP] automatique");

class DataFolderTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        MakeFly2();
    }

    void Click(const char* name) { window_.findChild<QPushButton*>(QLatin1String(name))->click(); }

    // The shown boxes as "caption|text", errors as "error|text".
    QStringList Boxes() const {
        QStringList boxes;
        for (const ScriptedDialogs::Shown& shown : dialogs_.shown())
            boxes << (shown.kind == ScriptedDialogs::Kind::Error ? QStringLiteral("error") : shown.caption) +
                         '|' + shown.text;
        return boxes;
    }

    TFLYDataForm window_;
};

TEST_F(DataFolderTest, SavingTwiceKeepsTheFirstSaveAside) {
    EXPECT_EQ(window_.windowTitle(),
              QStringLiteral("Sauvegarder le répertoire [DATA] de Fly!2 avant \"Slice\""));
    Click("ButtonSave");
    EXPECT_EQ(Boxes(),
              QStringList({Bup + "|Ancien [data] enregistré sous [data-save]. Nouveau [data] créé!"}));
    EXPECT_EQ(FilesBelow("Fly2/data-save"), QStringList({"city.txp", "terrain.tms"}));
    EXPECT_TRUE(QDir(Path("Fly2/data")).isEmpty());

    dialogs_.Clear();
    Click("ButtonSave");
    EXPECT_EQ(
        Boxes(),
        QStringList({"Information:|Le répertoire [data-save] existe déja! - le renommez [data-save$$$] ?",
                     Bup + "|Ancien [data] enregistré sous [data-save]. Nouveau [data] créé!"}));
    EXPECT_EQ(FilesBelow("Fly2/data-save$$$"), QStringList({"city.txp", "terrain.tms"}));
    EXPECT_TRUE(QDir(Path("Fly2/data-save")).isEmpty());
    EXPECT_TRUE(QDir(Path("Fly2/data")).isEmpty());

    // An older put-aside copy still in the way stops the third save before anything moves.
    dialogs_.Clear();
    Click("ButtonSave");
    EXPECT_EQ(Boxes(), QStringList({"error|Impossible de renommer " + Path("Fly2/data-save") + " vers " +
                                    Path("Fly2/data-save$$$")}));
    EXPECT_EQ(FilesBelow("Fly2/data-save$$$"), QStringList({"city.txp", "terrain.tms"}));
    EXPECT_TRUE(QFileInfo(Path("Fly2/data")).isDir());
}

TEST_F(DataFolderTest, RestoreReplacesAnOlderRestoredFolder) {
    Click("ButtonSave");
    CreateFile("Fly2/data/sliced.pod");
    CreateFile("Fly2/data$$$/earlier.pod");
    dialogs_.Clear();
    Click("ButtonRestore");
    EXPECT_EQ(Boxes(), QStringList({Bup + "|[data] enregistré sous [data$$$]. [data-save] renommé [data]!"}));
    EXPECT_EQ(FilesBelow("Fly2/data"), QStringList({"city.txp", "terrain.tms"}));
    EXPECT_EQ(FilesBelow("Fly2/data$$$"), QStringList({"sliced.pod"}));
    EXPECT_FALSE(Exists("Fly2/data-save"));
}

TEST_F(DataFolderTest, RestoreThatCannotMoveDataAsideRestoresNothing) {
    Click("ButtonSave");
    CreateFile("Fly2/data/sliced.pod");
    CreateFile("Fly2/data$$$", "a file where the folder would go");
    dialogs_.Clear();
    Click("ButtonRestore");
    EXPECT_EQ(Boxes(), QStringList({"error|Impossible de renommer " + Path("Fly2/data") + " vers " +
                                    Path("Fly2/data$$$") + " - rien n'a été restauré!"}));
    EXPECT_EQ(FilesBelow("Fly2/data"), QStringList({"sliced.pod"}));
    EXPECT_EQ(FilesBelow("Fly2/data-save"), QStringList({"city.txp", "terrain.tms"}));
}

// The put-aside folder can't take the live one's place (something took the name on the way), nor can the
// live folder go back: the user is told where it is.
TEST_F(DataFolderTest, RestoreThatCannotPutDataBackSaysWhereItIs) {
    Click("ButtonSave");
    CreateFile("Fly2/data/sliced.pod");
    JournalScope::SetStepHook([this](int step) {
        if (step == 2) // its rename of data-save to data
            CreateFile("Fly2/data", "in the way");
    });
    dialogs_.Clear();
    Click("ButtonRestore");
    JournalScope::SetStepHook({});
    EXPECT_EQ(Boxes(), QStringList({"error|Impossible de renommer " + Path("Fly2/data-save") + " vers " +
                                        Path("Fly2/data") + " - rien n'a été restauré!",
                                    "error|Impossible de renommer " + Path("Fly2/data$$$") + " vers " +
                                        Path("Fly2/data") + " - le répertoire [data] est resté sous " +
                                        Path("Fly2/data$$$") + "!"}));
    EXPECT_EQ(FilesBelow("Fly2/data$$$"), QStringList({"sliced.pod"}));
    EXPECT_EQ(FilesBelow("Fly2/data-save"), QStringList({"city.txp", "terrain.tms"}));
}

// An older restored folder that can't be deleted (here a disk mounted on it) stops the restore before it
// changes anything, and says why.
TEST_F(DataFolderTest, RestoreThatCannotDeleteTheOlderRestoredFolderRestoresNothing) {
    Click("ButtonSave");
    CreateFile("Fly2/data/sliced.pod");
    SmallFileSystem disk(Path("Fly2/data$$$"));
    if (!disk.available())
        GTEST_SKIP() << disk.why().toStdString();
    dialogs_.Clear();
    Click("ButtonRestore");
    EXPECT_EQ(Boxes(), QStringList({"error|Impossible de supprimer " + Path("Fly2/data$$$") + " (" +
                                    QString::fromLocal8Bit(std::strerror(EBUSY)) +
                                    ") - rien n'a été restauré!"}));
    EXPECT_EQ(FilesBelow("Fly2/data"), QStringList({"sliced.pod"}));
    EXPECT_EQ(FilesBelow("Fly2/data-save"), QStringList({"city.txp", "terrain.tms"}));
}

TEST_F(DataFolderTest, MissingFoldersAndPathsAreRefused) {
    Click("ButtonRestore");
    ASSERT_TRUE(QDir(Path("Fly2/data")).removeRecursively());
    Click("ButtonSave");
    AppSettings().FlyExePath.clear();
    Click("ButtonSave");
    Click("ButtonRestore");
    EXPECT_EQ(
        Boxes(),
        QStringList({"error|Impossible de restaurer [data] - Le répertoire [data-save] n''existe pas!",
                     "error|Impossible de renommer " + Path("Fly2/data") + " vers " + Path("Fly2/data-save"),
                     "error|Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!",
                     "error|Impossible de créer un sous répertoire Data - Chemin vers fly2.exe requis!"}));
    EXPECT_FALSE(Exists("Fly2/data"));
    EXPECT_FALSE(Exists("Fly2/data-save"));
}

} // namespace
