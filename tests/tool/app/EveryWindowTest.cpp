// Every button of the main window and of every window it opens, pressed as a new user would in states
// nobody set up by hand: no preferences yet, a simulator folder lacking its parts, a damaged journal or
// library, an empty history; in French and in English. Each window shows with its texts complete, its
// buttons are pressed (those that change files only where the state or a No makes them refuse) and it
// closes again; the simulator folder is left as the start-up left it.
#include "EnglishInterface.h"
#include "EnvironmentValue.h"
#include "Mkfly2.h"
#include "ModalSteps.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "WindowWalk.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "activation/ui/TF_checksceneries.h"
#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "fs/NativeFs.h"
#include "initune/ui/Tf_inikestrel.h"
#include "install/AddonInstall.h"
#include "install/AddonLibrary.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/TFLYDataForm.h"
#include "install/ui/TF_AddonLibrary.h"
#include "install/ui/TF_AutoInstall.h"
#include "install/ui/TF_SceneryCopy.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalScope.h"
#include "shell/MainActions.h"
#include "shell/PathCheck.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/ui/TF_History.h"
#include "shell/ui/THelpForm.h"
#include "shell/ui/TOptionsForm.h"
#include "slicer/ui/TF2sInputForm.h"
#include "slicer/ui/TFCutLLInput.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>
#include <optional>
#include <ostream>
#include <tuple>

namespace {

class EveryWindowTest;

// The preferences file: none, or as it is before the path window's OK (only the path of FLY2.EXE), or as
// "Initialise Kestrel" and OK leave it.
enum class Prefs { None, Short, Full };

// A state of the demo installation and of the tool's own files, made in that order.
struct State final {
    const char* name;
    bool valid; // whether the work buttons are usable in it
    Prefs prefs;
    void (*damage)(EveryWindowTest&);
};

void PrintTo(const State& state, std::ostream* out) {
    *out << state.name;
}

// The windows the walk opens where the paths are valid; elsewhere only the main window's own.
const QStringList AllWindows{
    "F_main",       "HelpForm",        "OptionsForm",       "TF2sInputForm", "TFCutLLInput",
    "TFLYDataForm", "TF_AddonLibrary", "TF_AutoInstall",    "TF_History",    "TF_SceneryCopy",
    "TF_checkdlls", "TF_checkpy",      "TF_checksceneries", "Tf_inikestrel"};
const QStringList AlwaysOpen{"F_main", "OptionsForm", "TF_History"};

class EveryWindowTest : public ::testing::TestWithParam<std::tuple<State, bool>>, public TempFolder {
  public:
    void SetUp() override {
        AppSettings() = Settings{};
        AppSettings().ProgramFolder = CreateDir("tool") + '/';
        CreateFile("addon/new.pod", "pod");
        CreateFile("addon/new.scf", "scf");
        if (std::get<1>(GetParam()))
            english.emplace(Path("config"));
        dialogs.AnswerTheRestWithNo();
        const State& state = std::get<0>(GetParam());
        ASSERT_TRUE(MakeFly2Installation(Path("Fly2"), {QStringLiteral("--records"), QStringLiteral("12")}));
        if (state.prefs == Prefs::Short)
            CreateFile("tool/FlyKestrel.prf",
                       "<FlyKestrel 1.7>\r\n\r\n\r\n\r\n\r\n\r\n" + Fly().toUtf8() + "FLY2.EXE\r\n");
        if (state.prefs == Prefs::Full)
            Preferences();
        if (state.damage != nullptr)
            state.damage(*this);
    }
    void TearDown() override {
        windows.reset();
        AppSettings() = Settings{};
    }

    QString Fly() const { return Path("Fly2/"); }
    void Preferences() const {
        AppSettings().FlyExePath = Fly() + "FLY2.EXE";
        PathFields fields;
        PathsValidAtStart(fields, AppSettings());
        ASSERT_TRUE(OptionsOk(fields, AppSettings()));
        ASSERT_TRUE(WritePreferences(PreferencesFile()));
    }
    // The newest operation of the journal, after the first start-up's: a scenery switched off. Returns its
    // entry file.
    QString JournalEntry() const {
        EXPECT_TRUE(CheckPrefs(Fly()).failed.isEmpty());
        {
            const JournalScope journal(Fly(), QStringLiteral("Activation [scènes]"));
            EXPECT_TRUE(RenameNoReplace(Fly() + "scenery/alps.pod", Fly() + "scenery/alps.pod.notused"));
        }
        return ChangeJournal(Fly()).Entries().value(0).file;
    }
    QString LibraryFile() const { return AddonLibrary(Fly()).File(); }
    // The add-on folder installed into the scenery folder as the installer does it.
    void InstallAddon() const {
        InstallRequest request;
        request.sourceFolder = Path("addon");
        request.sourceList = ListInstallSource(request.sourceFolder);
        request.destination = Fly() + "scenery/";
        request.flyFolder = Fly();
        request.renameSources = false;
        const JournalScope journal(Fly(), InstallationName(request.type));
        EXPECT_TRUE(InstallationBoxes(RunInstallation(request, [](const QString&) {})).ok());
    }

    // The tool started as a user starts it, the walk through every window, the tool closed.
    void Walk() {
        AppSettings() = Settings{};
        StartUpSettings(Path("tool"), {});
        windows = std::make_unique<KestrelWindows>();
        windows->Main().show();
        const QMap<QString, QByteArray> started = Tree("Fly2");
        WalkMainWindow();
        EXPECT_EQ(Tree("Fly2"), started);
    }

  private:
    TF_main& Main() const { return windows->Main(); }
    // Opens window with the main window's button; false when the state leaves the button disabled.
    bool Open(const QWidget& window, const char* button) {
        const bool enabled = Main().findChild<QAbstractButton*>(button)->isEnabled();
        walk.Press(Main(), {button});
        return enabled && walk.Shown(window);
    }
    // Runs open, which shows dialog modally, and the walk through dialog.
    void WalkModal(QDialog& dialog, const std::function<void()>& open, const QStringList& buttons,
                   const char* close, const QStringList& skipped = {}) {
        RunModal(dialog, open, [&] {
            if (!walk.Shown(dialog))
                return;
            walk.Press(dialog, buttons);
            walk.Close(dialog, close, skipped);
        });
    }

    void WalkMainWindow();
    void WalkPage(int page);
    void WalkOptions();
    void WalkIni(const char* button);
    void WalkActivation(QWidget& window, const char* button, const QStringList& buttons);
    void WalkSlicer();
    void WalkControlFiles();
    void WalkSceneries();
    void WalkInstaller();
    void WalkLibrary(const std::function<void()>& open);
    void WalkHistory();

  public:
    EnvironmentValue data{"XDG_DATA_HOME", Path("data").toUtf8()};
    EnvironmentValue home{"HOME", Path("home").toUtf8()};
    ConfigFolderScope config{Path("config")};
    std::optional<EnglishInterface> english;
    ScriptedDialogs dialogs;
    WindowWalk walk;
    std::unique_ptr<KestrelWindows> windows;
};

void EveryWindowTest::WalkMainWindow() {
    ASSERT_TRUE(walk.Shown(Main()));
    auto* pages = Main().findChild<QTabWidget*>("TabbedNotebook1");
    ASSERT_EQ(pages->count(), 8);
    for (int page = 0; page < pages->count(); ++page) {
        while (pages->currentIndex() != page)
            walk.Press(Main(), {"BBAllgStatR"});
        WalkPage(page);
    }
    walk.Press(Main(), {"BBAllgStatL", "ButtonUndo"});
    WalkHistory();
    QSignalSpy ended(&Main(), &TF_main::EndTool);
    // Starting the simulator or FlySTART leaves the test; copying the DLL folder and using a set of keys or
    // buttons change the simulator folder without asking.
    walk.Close(Main(), "Button1", {"Button8", "Button9", "Button11", "Button17", "Button24"});
    EXPECT_EQ(ended.count(), 1);
    WindowWalk::ExpectDialogTexts(dialogs);
    EXPECT_EQ(walk.Visited(), std::get<0>(GetParam()).valid ? AllWindows : AlwaysOpen);
}

void EveryWindowTest::WalkPage(int page) {
    switch (page) {
    case 0:
        return walk.Press(Main(), {"CheckBox1", "CheckBox2", "CheckBox2", "Button14", "CheckBox1"});
    case 1:
        return WalkOptions();
    case 2:
        WalkIni("Button5");
        return WalkIni("Button6");
    case 3:
        WalkActivation(windows->CheckDlls(), "Button3", {"Button3", "Button4", "Button5"});
        WalkActivation(windows->CheckPy(), "Button4", {"Button3", "Button4"});
        return walk.Press(Main(), {"Button2", "Button10", "Button12"});
    case 4:
        walk.Press(Main(), {"Button16"});
        WalkSlicer();
        if (!Open(windows->FlyData(), "Button21"))
            return;
        walk.Press(windows->FlyData(), {"ButtonRestore"}); // refused: nothing was saved
        return walk.Close(windows->FlyData(), "ButtonBack", {"ButtonSave"});
    case 5:
        return WalkControlFiles();
    case 6:
        return WalkSceneries();
    default:
        WalkInstaller();
        return WalkLibrary([this] { Open(windows->AddonLibrary(), "ButtonLibrary"); });
    }
}

void EveryWindowTest::WalkOptions() {
    WalkModal(windows->Options(), [this] { walk.Press(Main(), {"Button7"}); },
              {"ButtonUseInstallation", "BtnFLY2Exe", "BtnDLLFolderHolder", "BtnBMPPath", "BtnUBBMPPath",
               "Button3", "BtnSCFPath", "Button6", "Button5", "BtnTGAPath", "BtnRASPath"},
              "BtnCancel", {"BtnOK"});
}

void EveryWindowTest::WalkIni(const char* button) {
    Tf_inikestrel& ini = windows->IniKestrel();
    if (!Open(ini, button))
        return;
    walk.Press(ini,
               {"ButtonHelp", "ButtonHelp", "ButtonLoadFlyIni", "ButtonLoadRenderIni", "ButtonApplyDefaults",
                "ButtonApplyCalc", "ButtonSearchOtherDrives", "ButtonSearch", "ButtonSearchAgain"});
    walk.Close(ini, "ButtonQuit", {"ButtonSave"});
}

void EveryWindowTest::WalkActivation(QWidget& window, const char* button, const QStringList& buttons) {
    if (!Open(window, button))
        return;
    walk.Press(window, buttons);
    walk.Close(window, "Button2", {"Button1"});
}

void EveryWindowTest::WalkSlicer() {
    TF2sInputForm& form = windows->SlicerInput();
    if (!Open(form, "Button15"))
        return;
    walk.Press(form, {"CBTexCreate", "CBTexDistance", "CBTexNight", "CBWaterMask", "CBWaterPure",
                      "CBKeepExisting", "CBElevCreate", "CBGlobeTile", "CBPodCreate", "BtnGlobeTiles",
                      "BtnReadTGA", "BtnReadRAS", "BtnPodName", "BtnWriteSlicer", "BtnWriteSCF",
                      "BtnSaveValues", "BtnLoadValues", "BtnStartSlicer"});
    TFCutLLInput* coordinates = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        coordinates = coordinates != nullptr ? coordinates : qobject_cast<TFCutLLInput*>(window);
    ASSERT_NE(coordinates, nullptr);
    for (const char* corners : {"BtnTexLatLon", "BtnElevLatLon"})
        WalkModal(
            *coordinates, [&] { walk.Press(form, {corners}); }, {"BtnOK"}, "BtnExit");
    walk.Close(form, "BtnBack");
}

// Page 5: each set of keys and buttons selected in its list, the help shown and hidden, the saves cancelled.
void EveryWindowTest::WalkControlFiles() {
    for (const char* name : {"ListBox1", "ListBox2"}) {
        auto* list = Main().findChild<QListWidget*>(name);
        for (int row = 0; row < list->count(); ++row)
            list->setCurrentRow(row);
    }
    walk.ExpectTexts(Main());
    walk.Press(Main(), {"Button25", "Button25", "Button18", "Button23"});
}

// Page 6: the activation window on the simulator's scenery folder; the copy from there, to nowhere.
void EveryWindowTest::WalkSceneries() {
    // The folder dialog cancelled, the window goes away again once it has appeared.
    if (Open(windows->CheckSceneries(), "Button20")) {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !windows->CheckSceneries().isVisible(); }, 5000));
    }
    if (Main().findChild<QAbstractButton*>("Button20")->isEnabled())
        dialogs.AnswerFolder(AppSettings().SceneryFolder);
    WalkActivation(windows->CheckSceneries(), "Button20", {"Button3", "Button4"});
    TF_SceneryCopy& copy = windows->SceneryCopy();
    if (!Open(copy, "Button19"))
        return;
    dialogs.AnswerFolder(AppSettings().SceneryFolder);
    walk.Press(copy, {"ButtonSource", "CheckSubFolders", "CheckUnused", "ButtonCheckNone", "ButtonCheckAll",
                      "ButtonDestination", "RadioSources1", "RadioSources2", "RadioSources0", "ButtonCopy"});
    walk.Close(copy, "ButtonCancel");
}

// Every type and destination button before a source is chosen, the installation refused for want of one;
// then an add-on's folder previewed, the help and the library.
void EveryWindowTest::WalkInstaller() {
    TF_AutoInstall& installer = windows->AutoInstall();
    if (!Open(installer, "Button22"))
        return;
    walk.Press(installer,
               {"RadioType2", "RadioType3", "RadioType4", "RadioType5", "RadioType6", "RadioType0", "RadioType1",
                "ButtonDestination", "ButtonExternal", "ButtonSaveExternal", "ButtonFlyFolder", "CheckRename",
                "CheckPause", "ButtonSaveSource", "ButtonSaveLog", "ButtonInstall"});
    dialogs.AnswerFolder(Path("addon"));
    walk.Press(installer, {"ButtonSourceArchive", "ButtonSource", "ButtonSaveSource", "ButtonPreview"});
    WalkModal(
        windows->Help(), [&] { walk.Press(installer, {"ButtonHelp"}); }, {}, "BitBtn1");
    WalkLibrary([&] {
        walk.Press(installer, {"ButtonLibrary"});
        walk.Shown(windows->AddonLibrary());
    });
    walk.Close(installer, "ButtonQuit");
}

// The removal is only ever previewed, or answered No.
void EveryWindowTest::WalkLibrary(const std::function<void()>& open) {
    TF_AddonLibrary& library = windows->AddonLibrary();
    open();
    if (!library.isVisible())
        return;
    auto* table = library.findChild<QTableWidget*>("TableAddons");
    for (int row = 0; row < table->rowCount(); ++row) {
        table->selectRow(row);
        walk.Press(library, {"ButtonPreviewRemoval", "ButtonRemove"});
    }
    table->clearSelection();
    for (const char* removal : {"ButtonPreviewRemoval", "ButtonRemove"}) {
        EXPECT_FALSE(library.findChild<QAbstractButton*>(removal)->isEnabled()) << removal;
        walk.Press(library, {removal});
    }
    walk.Close(library, "ButtonClose");
}

void EveryWindowTest::WalkHistory() {
    TF_History& history = windows->History();
    if (!Open(history, "ButtonHistory"))
        return;
    auto* list = history.findChild<QListWidget*>("ListHistory");
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        walk.Press(history, {"ButtonUndoSelected"});
    }
    walk.Press(history, {"ButtonUndoLast", "ButtonUndoSelected"});
    walk.Close(history, "ButtonClose");
}

using T = EveryWindowTest;

QByteArray RandomBytes(int count) {
    QRandomGenerator random(35);
    QByteArray bytes(count, 0);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// Bytes changed here and there after the first third, as a bad disk leaves them.
QByteArray Flipped(QByteArray bytes) {
    for (qsizetype at = bytes.size() / 3; at < bytes.size(); at += bytes.size() / 5)
        bytes[at] = char(bytes[at] ^ 0x5a);
    return bytes;
}

const State States[] = {
    {"FreshHome", false, Prefs::None, nullptr},
    {"EmptyFolder", false, Prefs::Full,
     [](T& t) {
         QDir(t.Fly()).removeRecursively();
         t.CreateFile("Fly2/FLY2.EXE", "MZ");
     }},
    {"NoModules", false, Prefs::Full, [](T& t) { QDir(t.Fly() + "modules").removeRecursively(); }},
    {"NoSystem", false, Prefs::Full, [](T& t) { QDir(t.Fly() + "system").removeRecursively(); }},
    {"Demo", true, Prefs::Full, nullptr},
    {"OnlyFly2ExeInPreferences", true, Prefs::Short, nullptr},
    {"JournalEntryBytesChanged", true, Prefs::Full,
     [](T& t) {
         const QString entry = t.JournalEntry();
         WriteFile(entry, Flipped(ReadFile(entry)));
     }},
    {"JournalEntryCutToGarbage", true, Prefs::Full,
     [](T& t) {
         const QString entry = t.JournalEntry();
         WriteFile(entry, ReadFile(entry).left(40) + RandomBytes(24));
     }},
    {"LibraryRandomBytes", true, Prefs::Full, [](T& t) { WriteFile(t.LibraryFile(), RandomBytes(512)); }},
    {"LibraryEmptyFile", true, Prefs::Full, [](T& t) { WriteFile(t.LibraryFile(), {}); }},
    {"OneAddOn", true, Prefs::Full, [](T& t) { t.InstallAddon(); }},
    // The defaults that the first start-up keeps are there already: it changes nothing, and no operation
    // has been journaled.
    {"EmptyHistory", true, Prefs::Full,
     [](T& t) {
         EXPECT_TRUE(CheckPrefs(t.Fly()).failed.isEmpty());
         QDir().mkpath(ChangeJournal(t.Fly()).Folder());
     }},
};

TEST_P(EveryWindowTest, EveryButtonOfEveryWindow) {
    Walk();
}

INSTANTIATE_TEST_SUITE_P(States, EveryWindowTest,
                         ::testing::Combine(::testing::ValuesIn(States), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<State, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "English" : "French");
                         });

} // namespace
