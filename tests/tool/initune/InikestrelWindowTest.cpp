#include "IniFixture.h"
#include "ScriptedDialogs.h"

#include "initune/ui/Tf_inikestrel.h"
#include "shell/OwnFilesFolder.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

class InikestrelWindowTest : public IniFixture {
protected:
    template <typename T>
    T* Child(const char* name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QTableWidget* Grid() { return Child<QTableWidget>("StringGrid1"); }

    ScriptedDialogs dialogs;
    Tf_inikestrel window;
};

TEST_F(InikestrelWindowTest, FlyIniEditedInTheGridIsSaved) {
    WriteFile(SystemFile("fly.ini"), "NullZone=0\r\npercentOfWindOnGround=20\r\n");
    WriteFile(RecommendationsPath(), "NullZone=1\r\n");
    AppSettings().FlyIniPath = SystemFile("fly.ini");

    window.OpenFlyIni();

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "*.INI kestrel");
    EXPECT_FALSE(Child<QPushButton>("ButtonLoadRenderIni")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("ButtonApplyCalc")->isHidden());
    EXPECT_FALSE(Child<QPushButton>("ButtonApplyDefaults")->isHidden());
    EXPECT_EQ(Child<QLabel>("LabelPath")->text(), SystemFile("fly.ini"));
    QTableWidget* grid = Grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Recommended");
    EXPECT_EQ(grid->item(0, 2)->text(), "1");
    EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->item(1, 3)->flags() & Qt::ItemIsEditable);

    Child<QPushButton>("ButtonSearch")->click();
    QLineEdit* search = Child<QLineEdit>("EditSearch");
    EXPECT_FALSE(search->isHidden());
    QTest::keyClicks(search, "wind");
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(search->isHidden());
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 3);

    grid->item(1, 3)->setText("35");
    Child<QPushButton>("ButtonSave")->click();

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadFile(SystemFile("fly.ini")), "NullZone=0\r\npercentOfWindOnGround=35\r\n");
    EXPECT_TRUE(dialogs.Texts().isEmpty()) << dialogs.Texts().join('|').toStdString();
}

TEST_F(InikestrelWindowTest, TypingInTheSearchBoxReplacesTheLastSearch) {
    WriteFile(SystemFile("fly.ini"), "percentOfWindOnGround=20\r\n");
    WriteFile(RecommendationsPath(), "");
    AppSettings().FlyIniPath = SystemFile("fly.ini");
    window.OpenFlyIni();
    QLineEdit* search = Child<QLineEdit>("EditSearch");
    for (const char* text : {"WIND", "zzq"}) {
        Child<QPushButton>("ButtonSearch")->click();
        QTest::keyClicks(search, text);
        QTest::keyClick(search, Qt::Key_Return);
    }
    EXPECT_EQ(dialogs.Texts(), QStringList{"zzq NOT FOUND!"});
}

TEST_F(InikestrelWindowTest, RenderIniCountsAreRecomputedAndHelpToggles) {
    WriteFile(SystemFile("render.ini"), "maxTextures256=100\r\n");
    AppSettings().RenderIniPath = SystemFile("render.ini");

    window.OpenRenderIni();

    EXPECT_FALSE(Child<QPushButton>("ButtonLoadFlyIni")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("ButtonSearch")->isHidden());
    QTableWidget* grid = Grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 0)->text(), "Memory in MB (without AGP)");
    EXPECT_FALSE(grid->item(0, 3)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(grid->item(0, 2)->text(), "26");

    grid->item(1, 3)->setText("50");
    Child<QPushButton>("ButtonApplyCalc")->click();
    EXPECT_EQ(grid->item(1, 1)->text(), "50");
    EXPECT_EQ(grid->item(0, 2)->text(), "13");  // 12.5 MB

    QPushButton* help = Child<QPushButton>("ButtonHelp");
    help->click();
    QPlainTextEdit* memo = Child<QPlainTextEdit>("MemoRenderHelp");
    EXPECT_FALSE(memo->isHidden());
    EXPECT_TRUE(memo->toPlainText().endsWith(QString::fromUtf8("* Cliquer sur [AIDE] à nouveau pour fermer cette fenêtre !")));
    help->click();
    EXPECT_TRUE(memo->isHidden());
}

// Each step's box, in its kind: a count that doesn't read when loading, a refused count when saving, a file
// that can't be written.
TEST_F(InikestrelWindowTest, FailedStepsAreToldInTheirBoxes) {
    WriteFile(SystemFile("render.ini"), "maxTextures256=lots\r\n");
    AppSettings().RenderIniPath = SystemFile("render.ini");
    window.OpenRenderIni();
    Grid()->item(1, 3)->setText("4x");
    Child<QPushButton>("ButtonSave")->click();
    EXPECT_EQ(Grid()->item(1, 3)->text(), "");
    ASSERT_TRUE(QFile::remove(SystemFile("render.ini")));
    ASSERT_TRUE(QDir().mkdir(SystemFile("render.ini")));
    Child<QPushButton>("ButtonSave")->click();
    EXPECT_EQ(
        dialogs.Texts(),
        QStringList({"'lots' is not a valid integer value",
                     QString::fromUtf8("Les nouvelles valeurs ne doivent comportées que des chiffres (0..9), "
                                       "pas d''autres caractères"),
                     "Impossible d'enregistrer " + SystemFile("render.ini") + " : Is a directory"}));
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.shown()[1].kind, ScriptedDialogs::Kind::Message);
    EXPECT_EQ(dialogs.shown()[2].kind, ScriptedDialogs::Kind::Error);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(InikestrelWindowTest, MissingFileIsReported) {
    AppSettings().FlyIniPath = SystemFile("fly.ini");
    window.OpenFlyIni();
    EXPECT_EQ(dialogs.Texts(), QStringList{SystemFile("fly.ini") + " NON TROUVE!!!"});
    EXPECT_EQ(Child<QLabel>("LabelPath")->text(), QString::fromUtf8("pas de fichiers sélectionnés"));
}

// An installed tool cannot write beside itself: the recommendations are made in the configuration folder.
// Tests run as root, so the program folder is made read-only through the writability check.
TEST_F(InikestrelWindowTest, RecommendationsOfAToolInAReadOnlyFolderGoToTheConfigFolder) {
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Path("config")));
    SetWritableCheck([](const QString&) { return false; });
    WriteFile(SystemFile("fly.ini"), "NullZone=0\r\n");
    AppSettings().FlyIniPath = SystemFile("fly.ini");

    window.OpenFlyIni();
    SetWritableCheck(nullptr);
    qputenv("XDG_CONFIG_HOME", savedXdg);

    EXPECT_TRUE(QFile::exists(Path("config/flykestrel/flyinirec.txt")));
    EXPECT_FALSE(QFile::exists(RecommendationsPath()));
    EXPECT_EQ(Grid()->item(0, 2)->text(), "1");
}

}  // namespace
