// The scenery copy window: listing, copying with sub-folders, and what becomes of the sources.
#include "InstallFixture.h"

#include "install/ui/TF_SceneryCopy.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

class SceneryCopyTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        window_.show();
    }

    // The list as "name+" (checked) or "name-" (unchecked).
    QStringList Shown() const {
        QStringList rows;
        for (const SceneryEntry& entry : window_.Entries())
            rows << entry.name + (entry.checked ? "+" : "-");
        return rows;
    }

    void Mark(const QString& name, bool checked) {
        const auto* list = window_.findChild<QListWidget*>("CheckListBox1");
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items.first()->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    void Click(const char* name) { window_.findChild<QAbstractButton*>(QLatin1String(name))->click(); }

    // The box for a copy that could not be made because a file stands where its folder belongs.
    QString NotCopied(const QString& target) const {
        return "Ces fichiers n'ont pas été changés :\n\n" + Path(target) + "\nRaison : Not a directory";
    }

    // Both folders chosen through their buttons.
    void ChooseFolders(const QString& source, const QString& destination) {
        dialogs_.AnswerFolder(Path(source));
        Click("ButtonSource");
        dialogs_.AnswerFolder(Path(destination));
        Click("ButtonDestination");
    }

    TF_SceneryCopy window_;
};

TEST_F(SceneryCopyTest, ListsSortedAndCopiesWithTheSubFolder) {
    CreateFile("source/x/b.scf", "b");
    CreateFile("source/a.pod", "a");
    CreateFile("source/c.pod.notused");
    CreateFile("source/readme.txt");
    AppSettings().SceneryFolder = Path("scenery/");
    AppSettings().FlyFolder = Path("fly/");
    ChooseFolders("source", "target");
    EXPECT_EQ(window_.windowTitle(), QStringLiteral("Copie les scènes de FLY!2"));
    EXPECT_EQ(dialogs_.shown().at(0).text, Path("scenery/"));
    EXPECT_EQ(dialogs_.shown().at(1).text, Path("fly/"));
    EXPECT_EQ(AppSettings().CopySourceFolder, Path("source"));
    EXPECT_EQ(window_.findChild<QLabel*>("LabelDestination")->text(), Path("target"));
    EXPECT_EQ(Shown(), QStringList({"a.pod+", "x/b.scf+"}));

    Click("CheckUnused");
    EXPECT_EQ(Shown(), QStringList({"a.pod+", "c.pod.notused-", "x/b.scf+"}));
    Click("CheckSubFolders");
    EXPECT_EQ(Shown(), QStringList({"a.pod+", "c.pod.notused-"}));
    Click("CheckSubFolders");

    Click("ButtonCopy");
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(FilesBelow("target"), QStringList({"a.pod", "x/b.scf"}));
    EXPECT_EQ(Read("target/x/b.scf"), "b");
    EXPECT_EQ(FilesBelow("source"), QStringList({"a.pod", "c.pod.notused", "readme.txt", "x/b.scf"}));
    EXPECT_TRUE(window_.Entries().isEmpty());
}

TEST_F(SceneryCopyTest, GeneratedSceneryFolderListsInNameOrder) {
    MakeFly2();
    window_.SetSourceFolder(AppSettings().SceneryFolder);
    Click("CheckUnused");
    EXPECT_EQ(Shown(), QStringList({"alps.pod+", "alps.scf+", "coast.pod+", "coast.scf+",
                                    "desert.pod.notused-", "desert.scf.notused-", "europe/rhine.pod+",
                                    "europe/rhine.scf+", "island.pod+", "island.scf+"}));
    Click("ButtonCheckNone");
    EXPECT_FALSE(Shown().join(' ').contains('+'));
    Click("ButtonCheckAll");
    EXPECT_FALSE(Shown().join(' ').contains('-'));
}

// "tout à OFF" switches off each source whose copy succeeded, and only those.
TEST_F(SceneryCopyTest, SwitchOffRenamesTheCopiedSources) {
    CreateFile("source/a.pod");
    CreateFile("source/c.pod.notused");
    CreateFile("source/x/b.scf");
    CreateFile("target/x", "a file where the folder belongs");
    ChooseFolders("source", "target");
    Click("CheckUnused");
    Mark("c.pod.notused", true);
    Click("RadioSources1");
    Click("ButtonCopy");
    EXPECT_EQ(dialogs_.Texts(), QStringList({"Erreur, création de sous répertoires impossible",
                                             NotCopied("target/x/b.scf")}));
    EXPECT_TRUE(window_.isVisible());
    EXPECT_EQ(FilesBelow("target"), QStringList({"a.pod", "c.pod.notused", "x"}));
    EXPECT_EQ(FilesBelow("source"), QStringList({"a.pod.notused", "c.pod.notused.notused", "x/b.scf"}));
}

TEST_F(SceneryCopyTest, DeleteIsAskedPerEntryAndNoStops) {
    CreateFile("source/a.pod");
    CreateFile("source/b.pod");
    CreateFile("source/c.scf");
    ChooseFolders("source", "target");
    Click("RadioSources2");
    dialogs_.AnswerYes();
    dialogs_.AnswerNo();
    Click("ButtonCopy");
    const QString question = "Do you really want to *DELETE* all Source Files?";
    EXPECT_EQ(dialogs_.Texts(), QStringList({question, question,
                                             "NON copié ! Séléectionner la valeur souhaitée et réessayé!"}));
    EXPECT_TRUE(window_.isVisible());
    EXPECT_EQ(FilesBelow("target"), QStringList({"a.pod", "b.pod"}));
    EXPECT_EQ(FilesBelow("source"), QStringList({"b.pod", "c.scf"}));

    // No at the first entry: it is copied, nothing is deleted, nothing else is copied.
    ASSERT_TRUE(QDir(Path("target")).removeRecursively());
    window_.FillList();
    dialogs_.Clear();
    dialogs_.AnswerNo();
    Click("ButtonCopy");
    EXPECT_EQ(dialogs_.Texts().first(), question);
    EXPECT_EQ(FilesBelow("target"), QStringList({"b.pod"}));
    EXPECT_EQ(FilesBelow("source"), QStringList({"b.pod", "c.scf"}));
}

TEST_F(SceneryCopyTest, FailedCopyIsNeitherAskedNorDeleted) {
    CreateFile("source/x/b.scf");
    CreateFile("target/x");
    ChooseFolders("source", "target");
    Click("RadioSources2");
    Click("ButtonCopy");
    EXPECT_EQ(dialogs_.Texts(), QStringList({"Erreur, création de sous répertoires impossible",
                                             NotCopied("target/x/b.scf")}));
    EXPECT_TRUE(Exists("source/x/b.scf"));
    EXPECT_TRUE(window_.isVisible());
}

TEST_F(SceneryCopyTest, MissingFolderRefusedAndEmptyListJustHides) {
    ASSERT_TRUE(QDir().mkpath(Path("empty")));
    dialogs_.AnswerFolder(Path("empty"));
    Click("ButtonSource");
    Click("ButtonCopy");
    EXPECT_EQ(dialogs_.Texts(), QStringList({"Autre Source ou Cible non défini!"}));
    EXPECT_TRUE(window_.isVisible());
    dialogs_.AnswerFolder(Path("target"));
    Click("ButtonDestination");
    Click("ButtonCopy");
    EXPECT_FALSE(window_.isVisible());
    EXPECT_FALSE(Exists("target"));
}

} // namespace
