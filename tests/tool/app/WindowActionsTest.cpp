// Every window action that changes files, done through its window as the user does it, leaves exactly one
// new entry in the journal, named as the user knows the action and counting the files it changed.
#include "Mkfly2.h"
#include "ModalSteps.h"
#include "ScriptedDialogs.h"
#include "SettingsTest.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "activation/ui/TF_checksceneries.h"
#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "fs/Outcome.h"
#include "initune/ui/Tf_inikestrel.h"
#include "install/DataFolderSave.h"
#include "install/ui/TFLYDataForm.h"
#include "install/ui/TF_AutoInstall.h"
#include "install/ui/TF_SceneryCopy.h"
#include "journal/ChangeJournal.h"
#include "shell/MainActions.h"
#include "shell/PathCheck.h"
#include "shell/ui/TOptionsForm.h"
#include "slicer/SlicerSettings.h"
#include "slicer/ui/TF2sInputForm.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTabWidget>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace {

class WindowActionsTest;

struct WindowAction final {
    const char* id;
    const char* operation;
    int files;
    std::function<void(WindowActionsTest&)> act;
};

void PrintTo(const WindowAction& action, std::ostream* out) {
    *out << action.operation;
}

// A synthetic installation set up as the path window leaves it, with the copies that a first start-up keeps,
// and the main window shown.
class WindowActionsTest : public SettingsTest, public ::testing::WithParamInterface<WindowAction> {
  public:
    void SetUp() override {
        SettingsTest::SetUp();
        ASSERT_TRUE(MakeFly2Installation(Path("Fly2"), {QStringLiteral("--records"), QStringLiteral("12")}));
        fly = Path("Fly2/");
        AppSettings() = Settings{};
        AppSettings().ProgramFolder = CreateDir("tool") + '/';
        AppSettings().FlyExePath = fly + "FLY2.EXE";
        PathFields fields;
        ASSERT_TRUE(PathsValidAtStart(fields, AppSettings()));
        ASSERT_TRUE(OptionsOk(fields, AppSettings()));
        ASSERT_TRUE(CheckPrefs(fly).failed.isEmpty());
        Start();
    }
    void TearDown() override {
        windows.reset();
        SettingsTest::TearDown();
    }

    void Start() {
        windows = std::make_unique<KestrelWindows>();
        windows->Main().show();
    }
    const TF_main& Main() const { return windows->Main(); }
    // Shows a window with its button on the main window, then clicks the window's buttons in turn.
    void Through(const char* mainButton, const QWidget& window, std::initializer_list<const char*> buttons) {
        Click(Main(), mainButton);
        for (const char* button : buttons)
            Click(window, button);
    }
    // Page 5 of the main window with the named set selected in its list.
    void SelectSet(const char* list, const QString& name) {
        Main().findChild<QTabWidget*>("TabbedNotebook1")->setCurrentIndex(5);
        auto* sets = Main().findChild<QListWidget*>(QLatin1String(list));
        const QList<QListWidgetItem*> found = sets->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        sets->setCurrentItem(found.first());
    }
    // The path window of "Initialise Kestrel", its buttons clicked once it runs.
    void InitialiseKestrel(const std::vector<const char*>& buttons) {
        RunModal(windows->Options(), [this] { Click(Main(), "Button7"); }, [this, &buttons] {
            for (const char* button : buttons)
                Click(windows->Options(), button);
        });
    }
    // "Initialise Kestrel" from a tool set up for no simulator folder or for another one: this installation
    // chosen in the path window, which offers to make its missing DLL folder.
    void InitialiseKestrelHere() {
        ASSERT_TRUE(QDir(fly + "modules/pc").removeRecursively());
        dialogs.AnswerFile(fly + "FLY2.EXE");
        dialogs.AnswerYes();
        InitialiseKestrel({"BtnFLY2Exe", "BtnOK"});
    }
    // A program that the start buttons can start here: it ends at once.
    void ProgramThatEnds(const QString& relative) {
        const QString path = CreateFile(relative, "#!/bin/sh\nexit 0\n");
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    // The add-on folder chosen in the installer, the type clicked, the destination chosen when one is given,
    // and the installation.
    void InstallAddon(int type, const QStringList& files, const QString& destination = {}) {
        CreateDir("addon");
        for (const QString& file : files)
            CreateFile("addon/" + file, file.toUtf8());
        const TF_AutoInstall& installer = windows->AutoInstall();
        Click(Main(), "Button22");
        Click(installer, qPrintable(QStringLiteral("RadioType%1").arg(type)));
        installer.findChild<QAbstractButton*>("CheckPause")->setChecked(false);
        dialogs.AnswerFolder(Path("addon"));
        Click(installer, "ButtonSource");
        if (!destination.isEmpty()) {
            dialogs.AnswerFolder(destination);
            Click(installer, "ButtonDestination");
        }
        Click(installer, "ButtonInstall");
    }
    void FillSlicerWindow() {
        Click(Main(), "Button15");
        SlicerSettings s;
        s.textureFile = fly + "alps.tga";
        s.textureLowerLeftLat = "0.5";
        s.textureLowerLeftLon = "7";
        s.textureUpperRightLat = "48";
        s.textureUpperRightLon = "8.5";
        s.podFile = fly + "scenery/Alps.pod";
        windows->SlicerInput().Apply(s);
    }

    QString fly;
    ScriptedDialogs dialogs;
    std::unique_ptr<KestrelWindows> windows;
};

using T = WindowActionsTest;

const WindowAction Actions[] = {
    {"DllActivation", "Activation *.DLL", 5,
     [](T& t) {
         t.Through("Button3", t.windows->CheckDlls(), {"Button4", "Button1"});
     }},
    {"ScriptActivation", "Activation *.PY/PYC", 3,
     [](T& t) {
         t.Through("Button4", t.windows->CheckPy(), {"Button4", "Button1"});
     }},
    {"SceneryActivation", "Activation [scènes]", 8,
     [](T& t) {
         t.dialogs.AnswerFolder(t.fly + "scenery");
         t.Through("Button20", t.windows->CheckSceneries(), {"Button4", "Button1"});
     }},
    {"ProfileSave", "Enregistrer profil", 1,
     [](T& t) {
         t.dialogs.AnswerFile(t.fly + "mine.f2p");
         Click(t.Main(), "Button2");
     }},
    {"ProfileApply", "Charger et appliquer profil", 2,
     [](T& t) {
         t.CreateFile("mine.f2p", ("<DLL>\r\n" + t.fly + "modules/pc/GPS.DLL.notused\r\n</DLL>\r\n<PY>\r\n" +
                                   t.fly + "modules/scripts/global/traffic.py.notused\r\n</PY>\r\n")
                                      .toUtf8());
         t.dialogs.AnswerFile(t.Path("mine.f2p"));
         Click(t.Main(), "Button12");
     }},
    // The folder pc-save and a copy of each of the six files of pc.
    {"DllFolderCopy", "Copie répertoire DLL", 7, [](T& t) { Click(t.Main(), "Button11"); }},
    {"KeysSaveAs", "Enregistrer les Touches sous", 1,
     [](T& t) {
         t.dialogs.AnswerFile(t.fly + "system/heli.fky");
         Click(t.Main(), "Button18");
     }},
    {"JoystickSaveAs", "Enregistrer les Boutons sous", 1,
     [](T& t) {
         t.dialogs.AnswerFile(t.fly + "heli.fcr");
         Click(t.Main(), "Button23");
     }},
    // A set in use: the live file and its dated backup.
    {"KeysUse", "Utilisez la sélection (Touches)", 2,
     [](T& t) {
         t.CreateFile("Fly2/system/pilot.fky", "pilot keys");
         t.SelectSet("ListBox1", "pilot.fky");
         Click(t.Main(), "Button17");
     }},
    {"JoystickUse", "Utilisez la sélection (Boutons)", 2,
     [](T& t) {
         t.CreateFile("Fly2/pilot.fcr", "pilot buttons");
         t.SelectSet("ListBox2", "pilot.fcr");
         Click(t.Main(), "Button24");
     }},
    {"InitialiseKestrel", "Initialise Kestrel", 1,
     [](T& t) {
         ASSERT_TRUE(QDir(t.fly + "modules/scripts/global").removeRecursively());
         t.dialogs.AnswerYes();
         t.InitialiseKestrel({"BtnOK"});
     }},
    {"InitialiseKestrelFirstRun", "Initialise Kestrel", 1,
     [](T& t) {
         AppSettings() = Settings{};
         AppSettings().ProgramFolder = t.Path("tool/");
         t.InitialiseKestrelHere();
     }},
    {"InitialiseKestrelOtherInstallation", "Initialise Kestrel", 1,
     [](T& t) {
         for (const char* folder : {"Other/system", "Other/modules/pc", "Other/modules/scripts/global"})
             t.CreateDir(folder);
         AppSettings().FlyExePath = t.CreateFile("Other/FLY2.EXE");
         AppSettings().FlyFolder = t.Path("Other/");
         t.InitialiseKestrelHere();
     }},
    {"SimulatorStart", "Démarrer FLY! 2", 2,
     [](T& t) {
         t.ProgramThatEnds("Fly2/FLY2.EXE");
         Click(t.Main(), "CheckBox1");
         Click(t.Main(), "CheckBox2");
         Click(t.Main(), "Button8");
     }},
    {"FlyStartStart", "Démarrer FlySTART !", 2,
     [](T& t) {
         t.ProgramThatEnds("Fly2/flystart.exe");
         AppSettings().FlyStartPath = t.fly + "flystart.exe";
         Click(t.Main(), "CheckBox1");
         Click(t.Main(), "CheckBox2");
         Click(t.Main(), "Button9");
     }},
    // SlicerWork and its five folders.
    {"SlicerWorkFolders", "Créer un rértoire spécial (optionel)", 6,
     [](T& t) {
         t.dialogs.AnswerFolder(t.fly);
         Click(t.Main(), "Button16");
     }},
    // The defaults of both control files kept, each with a spare copy.
    {"ToolStartUp", "Démarrage de FlyKestrel", 4,
     [](T& t) {
         t.windows.reset();
         for (const char* copy :
              {"FLYdefault.fcr", "control.bup", "system/FLYdefault.fky", "system/default.bup"})
             ASSERT_TRUE(QFile::remove(t.fly + copy)) << copy;
         t.Start();
     }},
    // The file and its dated backup.
    {"FlyIniSave", "Enregistrer fly.ini", 2,
     [](T& t) { t.Through("Button5", t.windows->IniKestrel(), {"ButtonSave"}); }},
    {"RenderIniSave", "Enregistrer render.ini", 2,
     [](T& t) { t.Through("Button6", t.windows->IniKestrel(), {"ButtonSave"}); }},
    {"SlicerInputFile", "Créer FLY!2 Slicerfile", 1,
     [](T& t) {
         t.FillSlicerWindow();
         t.dialogs.AnswerFile(t.fly + "alps.txt");
         Click(t.windows->SlicerInput(), "BtnWriteSlicer");
     }},
    {"SlicerSceneryControl", "Ecrire fichier *.SCF", 1,
     [](T& t) {
         t.FillSlicerWindow();
         Click(t.windows->SlicerInput(), "BtnWriteSCF");
     }},
    {"SlicerValues", "Enregistrer valeurs", 1,
     [](T& t) {
         t.FillSlicerWindow();
         t.dialogs.AnswerFile(t.fly + "alps.ftv");
         Click(t.windows->SlicerInput(), "BtnSaveValues");
     }},
    // Each installed file and its source renamed "*.installed".
    {"SceneryInstall", "Installation scénes", 4,
     [](T& t) {
         t.InstallAddon(0, {"new.pod", "new.scf"});
     }},
    {"ExternalSceneryInstall", "Installation scènes vers un répertoire externe", 4,
     [](T& t) {
         t.InstallAddon(1, {"new.pod", "new.scf"}, t.CreateDir("external"));
     }},
    {"TaxiwaysInstall", "Installation taxiways", 2, [](T& t) { t.InstallAddon(2, {"apron.pod"}); }},
    // The copy and the rename of its source; the archive that the importer rewrote, the copy it kept of it,
    // and the database folder it made with its nine files.
    {"DexInstall", "Installation DEX files", 14,
     [](T& t) {
         ASSERT_TRUE(QFile::link(QStringLiteral(NAVMERGER_PATH), t.Path("tool/navmerger")));
         t.CreateDir("addon");
         ASSERT_TRUE(QFile::rename(t.fly + "dex/ADD_AIRPORT.DEX", t.Path("addon/ADD_AIRPORT.DEX")));
         t.InstallAddon(5, {});
     }},
    {"SceneryCopy", "Déplacement [scènes]", 2,
     [](T& t) {
         t.CreateFile("addon/new.pod");
         t.CreateFile("addon/new.scf");
         t.dialogs.AnswerFolder(t.Path("addon"));
         t.dialogs.AnswerFolder(t.fly + "scenery");
         t.Through("Button19", t.windows->SceneryCopy(), {"ButtonSource", "ButtonDestination", "ButtonCopy"});
     }},
    {"DataSave", "Enregistrement auto. [DATA]", 2,
     [](T& t) { t.Through("Button21", t.windows->FlyData(), {"ButtonSave"}); }},
    {"DataRestore", "Restauration auto. [DATA]", 2,
     [](T& t) {
         ASSERT_TRUE(SaveDataFolder(AppSettings().FlyExePath).failed.isEmpty());
         t.Through("Button21", t.windows->FlyData(), {"ButtonRestore"});
     }},
};

TEST_P(WindowActionsTest, MakesOneEntryNamedAsTheUserKnowsIt) {
    const ChangeJournal journal(fly);
    const qsizetype before = journal.Entries().size();
    GetParam().act(*this);
    for (const ScriptedDialogs::Shown& shown : dialogs.shown())
        EXPECT_NE(shown.kind, ScriptedDialogs::Kind::Error) << shown.text.toStdString();
    const QList<JournalEntry> entries = journal.Entries();
    ASSERT_EQ(entries.size(), before + 1);
    EXPECT_EQ(entries[0].operation, QString::fromUtf8(GetParam().operation));
    EXPECT_TRUE(entries[0].ended) << entries[0].damage.toStdString();
    EXPECT_EQ(entries[0].FileCount(), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(EachAction, WindowActionsTest, ::testing::ValuesIn(Actions),
                         [](const ::testing::TestParamInfo<WindowAction>& info) { return info.param.id; });

} // namespace
