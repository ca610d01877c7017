// The path window: OK stores the fields, Cancel doesn't, the folder buttons store at once.
#include "EnglishInterface.h"
#include "EnvironmentValue.h"
#include "FlyFolderFixture.h"
#include "ScriptedDialogs.h"

#include "shell/ui/TOptionsForm.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <optional>

namespace {

class OptionsFormTest : public ::testing::Test {
  protected:
    OptionsFormTest() {
        AppSettings().FlyExePath = fly.FlyExe();
        AppSettings().DLLPath = "/old/pc";
    }
    void Click(const char* name) { form.findChild<QPushButton*>(name)->click(); }
    QString Field(const char* name) { return form.findChild<QLineEdit*>(name)->text(); }

    FlyFolderFixture fly;
    ScriptedDialogs dialogs;
    TOptionsForm form;
};

TEST_F(OptionsFormTest, ShowingFillsTheFieldsFromFly2Exe) {
    form.show();
    const QString f = fly.FlyFolder();
    EXPECT_EQ(Field("LblFLYPath"), fly.FlyExe());
    EXPECT_EQ(Field("LblDLLPath"), f + "modules/pc");
    EXPECT_EQ(Field("LblPythonPath"), f + "modules/scripts/global");
    EXPECT_EQ(Field("LblFlyIniPath"), f + "system/fly.ini");
    EXPECT_EQ(Field("LblRenderIniPath"), f + "system/render.ini");
    EXPECT_EQ(Field("LblDLLFolderHolder"), f + "modules/");
    EXPECT_EQ(Field("LblFLYStartPath"), "");
    EXPECT_TRUE(form.findChild<QLineEdit*>("LblDLLPath")->isReadOnly());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(OptionsFormTest, OkStoresTheFieldsAndCancelDoesNot) {
    form.show();
    Click("BtnCancel");
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(AppSettings().DLLPath, "/old/pc");

    form.show();
    Click("BtnOK");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    const QString f = fly.FlyFolder();
    EXPECT_EQ(AppSettings().DLLPath, f + "modules/pc");
    EXPECT_EQ(AppSettings().PythonPath, f + "modules/scripts/global");
    EXPECT_EQ(AppSettings().FlyIniPath, f + "system/fly.ini");
    EXPECT_EQ(AppSettings().RenderIniPath, f + "system/render.ini");
    EXPECT_EQ(AppSettings().DLLFolderHolder, f + "modules/");
}

// The language is kept in the configuration folder by OK only, for the next start, and shown again.
TEST_F(OptionsFormTest, LanguageIsStoredByOkOnly) {
    const ConfigFolderScope config(fly.Path("config"));
    form.show();
    auto* language = form.findChild<QComboBox*>("ComboLanguage");
    ASSERT_EQ(language->currentText(), "Automatique");
    language->setCurrentText("English");
    Click("BtnCancel");
    EXPECT_EQ(StoredLanguageChoice(), LanguageChoice::Automatic);
    EXPECT_FALSE(fly.Exists("config/flykestrel/flykestrel.conf"));

    form.show();
    EXPECT_EQ(language->currentText(), "Automatique");
    language->setCurrentText("English");
    Click("BtnOK");
    EXPECT_EQ(StoredLanguageChoice(), LanguageChoice::English);
    form.show();
    EXPECT_EQ(language->currentText(), "English");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(OptionsFormTest, OkWithAMissingFly2ExeKeepsTheWindowOpen) {
    form.show();
    QFile::remove(fly.FlyExe());
    Click("BtnOK");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(AppSettings().DLLPath, "/old/pc");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(OptionsFormTest, TgaFolderIsStoredAtOnceAndEmptiedByACancelledDialog) {
    form.show();
    dialogs.AnswerFolder(fly.Path("tga"));
    Click("BtnTGAPath");
    EXPECT_EQ(Field("LblTGAPath"), fly.Path("tga"));
    EXPECT_EQ(AppSettings().TGAPath, fly.Path("tga"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::SelectFolder);
    EXPECT_EQ(dialogs.shown()[0].text, fly.FlyFolder()); // the dialog starts in the simulator folder

    dialogs.AnswerFolder(QString());
    Click("BtnTGAPath");
    EXPECT_EQ(dialogs.shown().back().text, fly.Path("tga")); // then in the folder stored
    EXPECT_EQ(Field("LblTGAPath"), "");
    EXPECT_EQ(AppSettings().TGAPath, "");
    Click("BtnCancel");
    EXPECT_EQ(AppSettings().TGAPath, "");
}

TEST_F(OptionsFormTest, MissingDllFolderIsCreatedOnYesOnly) {
    QDir(fly.Path("Fly2/modules/pc")).removeRecursively();
    const QString question =
        QString::fromUtf8("Auto remplissage impossible! Le(s) sous répertoire(s) n''existe(nt) "
                          "pas! - ") +
        fly.FlyFolder() + "modules/pc- Voulez vous créer un répertoire vide?";
    dialogs.AnswerNo();
    form.show();
    EXPECT_EQ(Field("LblFLYPath"), fly.FlyExe());
    EXPECT_EQ(Field("LblDLLPath"), "");
    EXPECT_FALSE(QFileInfo::exists(fly.Path("Fly2/modules/pc")));
    form.hide();
    dialogs.AnswerYes();
    form.show();
    EXPECT_TRUE(QFileInfo(fly.Path("Fly2/modules/pc")).isDir());
    EXPECT_EQ(Field("LblDLLPath"), fly.FlyFolder() + "modules/pc");
    EXPECT_EQ(dialogs.Texts(), QStringList({question, question}));
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Question);
    EXPECT_EQ(dialogs.shown()[0].caption, "Information:");
}

TEST_F(OptionsFormTest, FilePickersUseTheirTitlesAndFilters) {
    form.show();
    const QString f = fly.FlyFolder();
    dialogs.AnswerFile("");
    Click("BtnFLY2Exe");
    EXPECT_EQ(dialogs.shown().back().text, f);
    EXPECT_EQ(dialogs.shown().back().caption, "Fichier fly2.exe trouvé");
    EXPECT_EQ(dialogs.shown().back().extra, "|FLY2.EXE |fly2.exe");
    EXPECT_EQ(Field("LblDLLPath"), "");
    dialogs.AnswerFile(fly.FlyExe());
    Click("BtnFLY2Exe");
    EXPECT_EQ(AppSettings().FlyExePath, fly.FlyExe());
    EXPECT_EQ(Field("LblDLLPath"), f + "modules/pc");
    dialogs.AnswerFile("");
    Click("Button6");
    EXPECT_EQ(dialogs.shown().back().caption, "Chemin vers Flystart.exe Utility trouvé");
    EXPECT_EQ(dialogs.shown().back().extra, "|Cehemin vers FLY! Start Utility (flystart.exe) | flystart.exe");
    EXPECT_EQ(Field("LblFLYStartPath"), "");
    EXPECT_EQ(AppSettings().FlyFolder, f);
    dialogs.AnswerFile(f + "tools/Fly2Slice.exe");
    Click("Button5");
    EXPECT_EQ(dialogs.shown().back().caption, "Find Tool 2 File");
    EXPECT_EQ(Field("LblFly2SlicerName"), f + "tools/Fly2Slice.exe");
    EXPECT_EQ(AppSettings().Fly2SliceFolder, f + "tools/");
}

TEST_F(OptionsFormTest, DerivedPathButtonsOnlyExplainTheAutofill) {
    form.show();
    for (const char* name : {"BtnDLLFolderHolder", "BtnBMPPath", "BtnUBBMPPath", "Button3", "BtnSCFPath"})
        Click(name);
    ASSERT_EQ(dialogs.shown().size(), 5u);
    for (const ScriptedDialogs::Shown& shown : dialogs.shown()) {
        EXPECT_EQ(shown.text, "Use [FLY!II.EXE-Path] button to enable AUTOFILL!");
        EXPECT_EQ(shown.caption, "Information:");
    }
}

} // namespace

namespace {

// An installation registered in a fake Wine prefix is offered, and the button fills the fields with it.
TEST_F(OptionsFormTest, InstallationsFoundInWineFillTheFields) {
    const QString home = QFileInfo(fly.CreateDir("home")).canonicalFilePath();
    std::optional<EnvironmentValue> atHome(std::in_place, "HOME", QFile::encodeName(home));
    const QString sim = home + "/Games/fly/drive_c/Fly2";
    for (const char* folder : {"system", "modules/pc", "modules/scripts/global"})
        QDir().mkpath(sim + '/' + folder);
    WriteFile(sim + "/fly2.exe", "MZ");
    QDir().mkpath(home + "/Games/fly/dosdevices");
    QFile::link("../drive_c", home + "/Games/fly/dosdevices/c:");
    WriteFile(home + "/Games/fly/system.reg",
              "WINE REGISTRY Version 2\r\n\r\n[Software\\\\Terminal Reality\\\\Fly! "
              "II] 1700000001\r\n\"PATH\"=\"C:\\\\Fly2\"\r\n");
    form.show();
    const auto* list = form.findChild<QListWidget*>("ListInstallations");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), sim);
    Click("ButtonUseInstallation");
    atHome.reset();
    EXPECT_EQ(Field("LblFLYPath"), sim + "/fly2.exe");
    EXPECT_EQ(Field("LblDLLPath"), sim + "/modules/pc");
    EXPECT_EQ(AppSettings().FlyFolder, sim + '/');
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
