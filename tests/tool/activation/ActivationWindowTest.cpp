// The three activation windows driven as the user does: show, mark, press a button.
#include "SettingsTest.h"
#include "ScriptedDialogs.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "activation/ui/TF_checksceneries.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// The list as "name+" (checked) or "name-" (unchecked), in the order shown.
QStringList Shown(const QWidget& window, const char* listName) {
    const auto* list = window.findChild<QListWidget*>(QLatin1String(listName));
    QStringList rows;
    for (int row = 0; list != nullptr && row < list->count(); ++row)
        rows << list->item(row)->text() + (list->item(row)->checkState() == Qt::Checked ? "+" : "-");
    return rows;
}

void Mark(const QWidget& window, const char* listName, const QString& name, bool checked) {
    const auto* list = window.findChild<QListWidget*>(QLatin1String(listName));
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    items.first()->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void Click(const QWidget& window, const char* button) {
    auto* found = window.findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
}

QString Label3(const QWidget& window) {
    return window.findChild<QLabel*>("Label3")->text();
}

class ActivationWindowTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        AppSettings().DLLPath = Path("modules/pc");
        AppSettings().PythonPath = Path("modules/scripts");
    }
};

TEST_F(ActivationWindowTest, DllListSwitchesTheMarkedFiles) {
    CreateFile("modules/pc/b.dll");
    CreateFile("modules/pc/a.dll");
    CreateFile("modules/pc/c.dll.notused");
    TF_checkdlls window;
    EXPECT_EQ(window.windowTitle(), "ACTIVATION des fichiers DLL de FLY!2 ON/OFF");
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->text(),
              "COCHEES = DLL ACTIVES // NON COCHEES = DLL INACTIVES");
    window.show();
    EXPECT_EQ(Shown(window, "DLLCheckListBox"), QStringList({"a.dll+", "b.dll+", "c.dll.notused-"}));
    EXPECT_EQ(Label3(window), Path("modules/pc/"));

    Mark(window, "DLLCheckListBox", "b.dll", false);
    Mark(window, "DLLCheckListBox", "c.dll.notused", true);
    Click(window, "Button1");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(FilesBelow("modules/pc"), QStringList({"a.dll", "b.dll.notused", "c.dll"}));
    EXPECT_TRUE(window.Entries().isEmpty());
}

TEST_F(ActivationWindowTest, OkWithoutChangesAndCancelRenameNothing) {
    CreateFile("modules/pc/a.dll");
    CreateFile("modules/pc/b.dll");
    CreateFile("modules/pc/sub/c.dll.notused");
    const QStringList before = FilesBelow("modules/pc");
    TF_checkdlls window;
    window.show();
    Click(window, "Button1");
    EXPECT_EQ(FilesBelow("modules/pc"), before);

    window.show();
    Click(window, "Button4");
    EXPECT_EQ(Shown(window, "DLLCheckListBox"), QStringList({"a.dll-", "b.dll-", "c.dll.notused-"}));
    Click(window, "Button2");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(FilesBelow("modules/pc"), before);

    window.show();
    EXPECT_EQ(Shown(window, "DLLCheckListBox"), QStringList({"a.dll+", "b.dll+", "c.dll.notused-"}));
    Click(window, "Button3");
    EXPECT_EQ(Shown(window, "DLLCheckListBox"), QStringList({"a.dll+", "b.dll+", "c.dll.notused+"}));
}

TEST_F(ActivationWindowTest, NameClashLeavesBothFiles) {
    CreateFile("modules/pc/a.dll", "active");
    CreateFile("modules/pc/a.dll.notused", "inactive");
    CreateFile("modules/pc/b.dll");
    TF_checkdlls window;
    window.show();
    Mark(window, "DLLCheckListBox", "a.dll", false);
    Mark(window, "DLLCheckListBox", "a.dll.notused", true);
    Click(window, "Button1");
    EXPECT_EQ(Read("modules/pc/a.dll"), "active");
    EXPECT_EQ(Read("modules/pc/a.dll.notused"), "inactive");
}

TEST_F(ActivationWindowTest, CriticalDllsAreUncheckedWithoutRenaming) {
    CreateFile("modules/pc/GPS.DLL");
    CreateFile("modules/pc/fly2lan.dll.notused");
    CreateFile("modules/pc/radio.dll");
    TF_checkdlls window;
    window.show();
    Mark(window, "DLLCheckListBox", "fly2lan.dll.notused", true);
    Click(window, "Button5");
    EXPECT_EQ(Shown(window, "DLLCheckListBox"),
              QStringList({"fly2lan.dll.notused-", "GPS.DLL-", "radio.dll+"}));
    EXPECT_EQ(FilesBelow("modules/pc"), QStringList({"GPS.DLL", "fly2lan.dll.notused", "radio.dll"}));
}

// With a single active DLL no folder comes from the listing: the DLL folder stands in, never the
// working folder.
TEST_F(ActivationWindowTest, SingleDllSwitchesInTheDllFolder) {
    CreateFile("modules/pc/a.dll");
    CreateFile("a.dll");
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(Path(""));
    TF_checkdlls window;
    window.show();
    EXPECT_EQ(Label3(window), Path("modules/pc/"));
    Click(window, "Button4");
    Click(window, "Button1");
    QDir::setCurrent(oldDir);
    EXPECT_EQ(FilesBelow(""), QStringList({"a.dll", "modules/pc/a.dll.notused"}));
}

TEST_F(ActivationWindowTest, ScriptListInFourListingsAndSwitch) {
    CreateFile("modules/scripts/global/a.pyc");
    CreateFile("modules/scripts/global/b.pyc");
    CreateFile("modules/scripts/global/c.py");
    CreateFile("modules/scripts/global/d.py.notused");
    CreateFile("modules/scripts/global/e.pyc.notused");
    TF_checkpy window;
    EXPECT_EQ(window.windowTitle(), "ACTIVATION des fichiers Python de FLY!2 ON/OFF");
    window.show();
    EXPECT_EQ(Label3(window), Path("modules/scripts/global/"));
    EXPECT_EQ(Shown(window, "PYCheckListBox"),
              QStringList({"a.pyc+", "b.pyc+", "c.py+", "d.py.notused-", "e.pyc.notused-"}));
    Mark(window, "PYCheckListBox", "a.pyc", false);
    Mark(window, "PYCheckListBox", "d.py.notused", true);
    Click(window, "Button1");
    EXPECT_EQ(FilesBelow("modules/scripts"),
              QStringList({"global/a.pyc.notused", "global/b.pyc", "global/c.py", "global/d.py",
                           "global/e.pyc.notused"}));
}

TEST_F(ActivationWindowTest, SceneryEntriesAreRelativeToTheChosenFolder) {
    CreateFile("scenery/europe/x.pod");
    CreateFile("scenery/y.scf");
    CreateFile("scenery/z.pod.notused");
    AppSettings().SceneryFolder = Path("scenery/");
    ScriptedDialogs dialogs;
    dialogs.AnswerFolder(Path("scenery"));
    TF_checksceneries window;
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("ACTIVATION des scènes de FLY!2 ON/OFF"));
    EXPECT_EQ(window.findChild<QPushButton*>("Button4")->text(), QString::fromUtf8("Décocher TOUT"));
    window.show();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, Path("scenery/"));
    EXPECT_EQ(AppSettings().SceneryListFolder, Path("scenery"));
    EXPECT_EQ(Label3(window), Path("scenery"));
    EXPECT_EQ(Shown(window, "SceneCheckListBox"), QStringList({"europe/x.pod+", "y.scf+", "z.pod.notused-"}));

    Mark(window, "SceneCheckListBox", "europe/x.pod", false);
    Mark(window, "SceneCheckListBox", "y.scf", false);
    Mark(window, "SceneCheckListBox", "z.pod.notused", true);
    Click(window, "Button1");
    EXPECT_EQ(FilesBelow("scenery"), QStringList({"europe/x.pod.notused", "y.scf.notused", "z.pod"}));
}

TEST_F(ActivationWindowTest, CancelledSceneryFolderClosesTheWindow) {
    CreateFile("scenery/x.pod");
    AppSettings().SceneryFolder = Path("scenery/");
    AppSettings().SceneryListFolder = Path("scenery/europe");
    ScriptedDialogs dialogs;
    dialogs.AnswerFolder(QString());
    TF_checksceneries window;
    window.show();
    EXPECT_EQ(dialogs.shown().at(0).text, Path("scenery/europe"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }));
    EXPECT_TRUE(window.Entries().isEmpty());
    EXPECT_EQ(AppSettings().SceneryListFolder, Path("scenery/europe"));
}

} // namespace
