// The shared dialogs: the Qt dialog service, the folder dialog, the open dialog's filters, the help window.
#include "ScriptedDialogs.h"

#include "shell/ui/QtDialogService.h"
#include "shell/ui/TFSelDirDlg.h"
#include "shell/ui/TFormKestrelTools.h"
#include "shell/ui/THelpForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(KestrelToolsTest, FiltersTakeQtsFormWhateverTheBlanks) {
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("Slicer Inputfile (*.txt)|*.TXT"),
              QStringList{"Slicer Inputfile (*.txt) (*.TXT)"});
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("FLY2.EXE |fly2.exe"), QStringList{"FLY2.EXE (fly2.exe)"});
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("Profiles|*.f2p;*.F2P|All|*.*"),
              (QStringList{"Profiles (*.f2p *.F2P)", "All (*.*)"}));
}

TEST(KestrelToolsTest, OpenDialogAcceptsNewNamesAndIgnoresCaseInFilters) {
    TFormKestrelTools tools;
    QFileDialog* dialog = tools.OpenDialog1();
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_FALSE(dialog->filter().testFlag(QDir::CaseSensitive));
    EXPECT_FALSE(tools.isVisible());
}

TEST(KestrelToolsTest, PickFileReturnsTheChosenFileAndKeepsTheCurrentFolder) {
    QTemporaryDir dir;
    QFile(dir.path() + "/input.txt").open(QIODevice::WriteOnly);
    const QString current = QDir::currentPath();
    TFormKestrelTools tools;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(tools.OpenDialog1()->windowTitle(), "Select FLY2SLICE-InputFile");
        EXPECT_EQ(tools.OpenDialog1()->defaultSuffix(), "TXT");
        QDir::setCurrent(dir.path());
        tools.OpenDialog1()->selectFile(dir.path() + "/input.txt");
        QMetaObject::invokeMethod(tools.OpenDialog1(), "accept");
    });
    EXPECT_EQ(
        tools.PickFile(dir.path(), "TXTX", "Select FLY2SLICE-InputFile", "Slicer Inputfile (*.txt)|*.TXT"),
        dir.path() + "/input.txt");
    EXPECT_EQ(QDir::currentPath(), current);

    QTimer::singleShot(0, [&] { tools.OpenDialog1()->reject(); });
    EXPECT_EQ(tools.PickFile(dir.path(), "", "", ""), "");
    EXPECT_EQ(tools.OpenDialog1()->windowTitle(), "Select FLY2SLICE-InputFile"); // kept when not given
}

class SelDirDlgTest : public ::testing::Test {
protected:
    SelDirDlgTest() {
        QDir().mkpath(dir.path() + "/Fly2/system");
        QFile(dir.path() + "/Fly2/FLY2.EXE").open(QIODevice::WriteOnly);
    }
    QTemporaryDir dir;
    TFSelDirDlg dialog;
};

TEST_F(SelDirDlgTest, OkReturnsTheCurrentFolderAndListsItsFiles) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Sélectionner un répertoire"));
    QTimer::singleShot(0, [this] {
        EXPECT_EQ(dialog.CurrentFolder(), dir.path() + "/Fly2");
        const auto* files = dialog.findChild<QListWidget*>("FileListBox1");
        ASSERT_EQ(files->count(), 1);
        EXPECT_EQ(files->item(0)->text(), "FLY2.EXE");
        dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    EXPECT_EQ(dialog.Execute(dir.path() + "/Fly2"), dir.path() + "/Fly2");
}

TEST_F(SelDirDlgTest, CancelReturnsNothingAndAMissingStartOpensItsParent) {
    QTimer::singleShot(0, [this] {
        EXPECT_EQ(dialog.CurrentFolder(), dir.path() + "/Fly2");
        dialog.findChild<QPushButton*>("CancelBtn")->click();
    });
    EXPECT_EQ(dialog.Execute(dir.path() + "/Fly2/gone/deeper"), "");
}

TEST(HelpFormTest, CloseHidesWithResultOk) {
    THelpForm help;
    EXPECT_EQ(THelpForm::Shared(), &help);
    help.SetHelpText("ligne 1\nligne 2");
    help.show();
    help.findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.result(), QDialog::Accepted);
    EXPECT_EQ(help.HelpText(), "ligne 1\nligne 2");
}

// Answers the next message box from inside its modal loop, after looking at it and at the window below.
void AnswerNextBox(QWidget& onTop, QMessageBox::StandardButton answer, QString& title, QString& text,
                   bool& onTopWhileShown) {
    QTimer::singleShot(0, [&onTop, answer, &title, &text, &onTopWhileShown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        onTopWhileShown = onTop.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        box->button(answer)->click();
    });
}

TEST(QtDialogServiceTest, BoxesLowerStayOnTopWindowsAndKeepTheirCaption) {
    TFSelDirDlg folders;
    TFormKestrelTools tools;
    QtDialogService service(folders, tools);
    QWidget onTop(nullptr, Qt::WindowStaysOnTopHint);
    onTop.show();
    QString title, text;
    bool onTopWhileShown = true;

    AnswerNextBox(onTop, QMessageBox::Ok, title, text, onTopWhileShown);
    service.Message("Aucun fichier sélectionné", "");
    EXPECT_EQ(title, "");
    EXPECT_EQ(text, "Aucun fichier sélectionné");
    EXPECT_FALSE(onTopWhileShown);
    EXPECT_TRUE(onTop.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(onTop.isVisible());

    AnswerNextBox(onTop, QMessageBox::Yes, title, text, onTopWhileShown);
    EXPECT_TRUE(service.Question("Question ?", "Information:"));
    EXPECT_EQ(title, "Information:");
    AnswerNextBox(onTop, QMessageBox::No, title, text, onTopWhileShown);
    EXPECT_FALSE(service.Question("Question ?", ""));
}

} // namespace
