// The shared dialogs: the Qt dialog service, the folder dialog, the open dialog's filters, the help window.
#include "ModalSteps.h"
#include "ScriptedDialogs.h"

#include "shell/ui/QtDialogService.h"
#include "shell/ui/TFSelDirDlg.h"
#include "shell/ui/TFormKestrelTools.h"
#include "shell/ui/THelpForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A description that already names its patterns, in any case, is shown once.
TEST(KestrelToolsTest, FiltersTakeQtsFormWhateverTheBlanks) {
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("Slicer Inputfile (*.txt)|*.TXT"),
              QStringList{"Slicer Inputfile (*.txt)"});
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("FLY2.EXE |fly2.exe"), QStringList{"FLY2.EXE"});
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("*.f2p |*.f2p"), QStringList{"*.f2p"});
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("Profiles|*.f2p;*.F2P|All|*.*"),
              (QStringList{"Profiles (*.f2p *.F2P)", "All (*.*)"}));
    EXPECT_EQ(TFormKestrelTools::QtNameFilters("Images (*.tga)|*.tga;*.bmp"),
              QStringList{"Images (*.tga) (*.tga *.bmp)"});
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
    QString picked;
    RunModal(
        *tools.OpenDialog1(),
        [&] {
            picked = tools.PickFile(dir.path(), "TXTX", "Select FLY2SLICE-InputFile",
                                    "Slicer Inputfile (*.txt)|*.TXT");
        },
        [&] {
            EXPECT_EQ(tools.OpenDialog1()->windowTitle(), "Select FLY2SLICE-InputFile");
            EXPECT_EQ(tools.OpenDialog1()->defaultSuffix(), "TXT");
            QDir::setCurrent(dir.path());
            tools.OpenDialog1()->selectFile(dir.path() + "/input.txt");
            QMetaObject::invokeMethod(tools.OpenDialog1(), "accept");
        });
    EXPECT_EQ(picked, dir.path() + "/input.txt");
    EXPECT_EQ(QDir::currentPath(), current);

    QTimer::singleShot(0, [&] { tools.OpenDialog1()->reject(); });
    EXPECT_EQ(tools.PickFile(dir.path(), "", "", ""), "");
    EXPECT_EQ(tools.OpenDialog1()->windowTitle(), "Select FLY2SLICE-InputFile"); // kept when not given
}

// The names the dialog lists once the folder has been read, the folders left out.
QStringList ListedFiles(QFileDialog& dialog) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    const QModelIndex folder = model->index(dialog.directory().absolutePath());
    if (!QTest::qWaitFor([&] { return model->rowCount(folder) > 0; }, 5000))
        return {};
    auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

// A choice made before must never come back as the file to write: every dialog opens with no name.
TEST(KestrelToolsTest, EveryPickStartsWithoutAFileNameAndListsMatchesInAnyCase) {
    QTemporaryDir dir;
    for (const char* name : {"Alps.tga", "A.TXT", "b.txt", "c.ftv"})
        QFile(dir.path() + "/" + name).open(QIODevice::WriteOnly);
    TFormKestrelTools tools;
    QFileDialog* dialog = tools.OpenDialog1();
    QString picked;
    RunModal(
        *dialog,
        [&] {
            picked = tools.PickFile(dir.path(), "TGA", "Sélectionner le fichier TGA",
                                    "TGA Graphicfiles (*.tga)|*.TGA");
        },
        [&] {
            dialog->selectFile(dir.path() + "/Alps.tga");
            QMetaObject::invokeMethod(dialog, "accept");
        });
    EXPECT_EQ(picked, dir.path() + "/Alps.tga");

    QStringList offered, listed;
    QTimer::singleShot(0, [&] {
        listed = ListedFiles(*dialog);
        offered = dialog->selectedFiles();
        QTest::keyClick(dialog, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    EXPECT_EQ(tools.PickFile(dir.path(), "TXT", "Sélectionner le nom du fichier Fly2Slice",
                             "Slicer Inputfile (*.txt)|*.TXT"),
              "");
    EXPECT_EQ(offered, QStringList{dir.path()});
    EXPECT_EQ(listed, (QStringList{"A.TXT", "b.txt"}));
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Slicer Inputfile (*.txt)"});
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

// The dialog's contents are read inside its modal loop, which then ends whatever they are; they are checked
// once it has ended, so that a failure never leaves the dialog open.
TEST_F(SelDirDlgTest, OkReturnsTheCurrentFolderAndListsItsFiles) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Sélectionner un répertoire"));
    QString current;
    QStringList files;
    QString chosen;
    RunModal(dialog, [&] { chosen = dialog.Execute(dir.path() + "/Fly2"); }, [&] {
        current = dialog.CurrentFolder();
        const auto* list = dialog.findChild<QListWidget*>("FileListBox1");
        for (int row = 0; row < list->count(); ++row)
            files << list->item(row)->text();
        Click(dialog, "OKBtn");
    });
    EXPECT_EQ(chosen, dir.path() + "/Fly2");
    EXPECT_EQ(current, dir.path() + "/Fly2");
    EXPECT_EQ(files, QStringList{"FLY2.EXE"});
}

TEST_F(SelDirDlgTest, CancelReturnsNothingAndAMissingStartOpensItsParent) {
    QString chosen = "<not run>";
    RunModal(dialog, [&] { chosen = dialog.Execute(dir.path() + "/Fly2/gone/deeper"); }, [this] {
        EXPECT_EQ(dialog.CurrentFolder(), dir.path() + "/Fly2");
        Click(dialog, "CancelBtn");
    });
    EXPECT_EQ(chosen, "");
}

// The one help window serves every window in turn: each text replaces the last one whole, and Close
// ends the modal show with OK however often it is used.
TEST(HelpFormTest, EachShowHasItsOwnTextAndClosesWithOk) {
    {
        THelpForm help;
        const THelpForm later;
        EXPECT_EQ(THelpForm::Shared(), &help);
        for (const QString text : {"ligne 1\nligne 2", "ligne 1", "autre texte\n\nfin"}) {
            help.SetHelpText(text);
            QString shown;
            QTimer::singleShot(0, &help, [&] {
                shown = help.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
                help.findChild<QPushButton*>("BitBtn1")->click();
                if (help.isVisible())
                    help.reject();
            });
            EXPECT_EQ(help.exec(), QDialog::Accepted);
            EXPECT_FALSE(help.isVisible());
            EXPECT_EQ(shown, text);
        }
        EXPECT_TRUE(help.findChild<QPlainTextEdit*>("Memo1")->isReadOnly());
    }
    EXPECT_EQ(THelpForm::Shared(), nullptr); // no window may reach a destroyed one
}

// Answers the next message box from inside its modal loop, after looking at it and at the window below.
// Whatever else is modal instead is closed at once, and the case fails, rather than waiting forever.
void AnswerNextBox(QWidget& onTop, QMessageBox::StandardButton answer, QString& title, QString& text,
                   bool& onTopWhileShown) {
    QTimer::singleShot(0, [&onTop, answer, &title, &text, &onTopWhileShown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box";
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
            return;
        }
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
