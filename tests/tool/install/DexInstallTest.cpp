// Installing DEX files: copied into the simulator's dex folder and imported there by the real importer.
#include "ArchiveFixtures.h"
#include "InstallFixture.h"

#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/AddonLibrary.h"
#include "install/ImporterRun.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/TF_AutoInstall.h"
#include "shell/Progress.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString Planned = QStringLiteral("*** Installation : étapes prévues ***");

class DexInstallTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        fly_ = MakeFly2();
    }

    // An add-on folder holding copies of the generator's update files.
    void MakeAddon(const QStringList& names) {
        ASSERT_TRUE(QDir().mkpath(Path("addon")));
        for (const QString& name : names)
            ASSERT_TRUE(QFile::copy(Path("Fly2/dex/" + name), Path("addon/" + name))) << name.toStdString();
    }

    QStringList Install(bool pauseOnError, const QString& importer = QStringLiteral(NAVMERGER_PATH)) {
        InstallRequest request;
        request.type = InstallType::Dex;
        request.sourceFolder = Path("addon");
        request.sourceList = ListInstallSource(Path("addon"));
        request.destination = fly_ + "scenery/";
        request.flyFolder = fly_;
        request.pauseOnError = pauseOnError;
        request.importer = importer;
        request.toolFolder = toolFolder_;
        QStringList log;
        outcome_ = InstallationBoxes(RunInstallation(request, [&log](const QString& line) { log << line; }));
        return log;
    }

    QString fly_;
    QString toolFolder_;
    Outcome outcome_; // of the last Install
};

TEST_F(DexInstallTest, TwoDexFilesAreCopiedAndImported) {
    MakeAddon({"ADD_AIRPORT.DEX", "REPLACE_NAVAID.DEX"});
    ASSERT_TRUE(QFile::remove(Path("Fly2/dex/ADD_AIRPORT.DEX")));
    const QByteArray airports = Read("Fly2/system/AIRPORT.POD");
    const QByteArray navaids = Read("Fly2/system/NAVAID.POD");
    const QStringList log = Install(true);

    const QString copy = "Copie : " + Path("addon/%1") + " -> " + fly_ + "dex/%1";
    const QString rename = "Renommage : " + Path("addon/%1") + " -> " + Path("addon/%1.installed");
    const QString import = "Import dans la base de données : %1 par " + QStringLiteral(NAVMERGER_PATH);
    EXPECT_EQ(log.mid(0, 8), QStringList({Planned, copy.arg("ADD_AIRPORT.DEX"), rename.arg("ADD_AIRPORT.DEX"),
                                          import.arg("ADD_AIRPORT.DEX"),
                                          copy.arg("REPLACE_NAVAID.DEX") + " (remplace le fichier d'origine)",
                                          rename.arg("REPLACE_NAVAID.DEX"), import.arg("REPLACE_NAVAID.DEX"),
                                          "*** Installing DEX files ***"}));
    EXPECT_EQ(log.last(), "*** Installation finished ***");
    EXPECT_EQ(log.count("Imported to database with Navmerger.exe 1.3"), 2) << log.join('\n').toStdString();
    EXPECT_EQ(log.count("    Database merge successful!"), 2);
    const qsizetype copied = log.indexOf("Copied: " + fly_ + "dex/ADD_AIRPORT.DEX");
    ASSERT_GE(copied, 0);
    EXPECT_LT(copied, log.indexOf("Copied: " + fly_ + "dex/REPLACE_NAVAID.DEX"));
    EXPECT_FALSE(log.join('\n').contains("Press any key"));

    EXPECT_EQ(Read("Fly2/dex/ADD_AIRPORT.DEX"), Read("addon/ADD_AIRPORT.DEX.installed"));
    EXPECT_EQ(FilesBelow("addon"),
              QStringList({"ADD_AIRPORT.DEX.installed", "REPLACE_NAVAID.DEX.installed"}));
    EXPECT_EQ(Read("Fly2/system/AIRPORT.TRI"), airports);
    EXPECT_EQ(Read("Fly2/system/NAVAID.TRI"), navaids);
    EXPECT_NE(Read("Fly2/system/AIRPORT.POD"), airports);
    EXPECT_NE(Read("Fly2/system/NAVAID.POD"), navaids);
}

// From an archive, the DEX files go to the dex folder and the importer as from a folder.
TEST_F(DexInstallTest, DexFilesOfAnArchiveAreImported) {
    ASSERT_TRUE(QDir().mkpath(Path("downloads")));
    const QString archive = FixtureFile(Path("downloads"), "update.zip",
                                        WrittenArchive("zip", {File("update/ADD_AIRPORT.DEX",
                                                                    Read("Fly2/dex/ADD_AIRPORT.DEX"))}));
    ASSERT_TRUE(QFile::remove(Path("Fly2/dex/ADD_AIRPORT.DEX")));
    const QByteArray airports = Read("Fly2/system/AIRPORT.POD");
    InstallRequest request;
    request.type = InstallType::Dex;
    request.sourceFolder = archive;
    request.flyFolder = fly_;
    request.destination = fly_ + "scenery/";
    request.importer = QStringLiteral(NAVMERGER_PATH);
    QStringList log;
    EXPECT_TRUE(
        InstallationBoxes(RunInstallation(request, [&log](const QString& line) { log << line; })).ok());
    EXPECT_TRUE(log.contains("Copied: " + fly_ + "dex/ADD_AIRPORT.DEX")) << log.join('\n').toStdString();
    EXPECT_TRUE(log.contains("Imported to database with Navmerger.exe 1.3"));
    EXPECT_NE(Read("Fly2/system/AIRPORT.POD"), airports);
}

TEST_F(DexInstallTest, FailedImportIsLoggedAsFailed) {
    MakeAddon({"UNSAFE_NAME.DEX"});
    const QByteArray airports = Read("Fly2/system/AIRPORT.POD");
    const QStringList log = Install(true);
    EXPECT_FALSE(log.contains("Imported to database with Navmerger.exe 1.3")) << log.join('\n').toStdString();
    const QString failed = "FAILED!!!: import of UNSAFE_NAME.DEX into the database failed, Navmerger.exe 1.3 "
                           "exit status ";
    ASSERT_EQ(log.last(), "*** Installation finished ***");
    const QString outcome = log.at(log.size() - 2);
    EXPECT_TRUE(outcome.startsWith(failed)) << outcome.toStdString();
    EXPECT_NE(outcome.mid(failed.size()).toInt(), 0);
    EXPECT_EQ(Read("Fly2/system/AIRPORT.POD"), airports);
    // Its copy is the add-on's, but not an import that a removal would make again.
    AddonLibrary library(Path("Fly2/"));
    EXPECT_TRUE(library.Load());
    ASSERT_EQ(library.addons.size(), 1);
    EXPECT_TRUE(library.addons[0].imports.isEmpty());
}

TEST_F(DexInstallTest, ImporterThatCannotStartIsReported) {
    MakeAddon({"ADD_AIRPORT.DEX"});
    const QString missing = Path("nowhere/navmerger");
    const QStringList log = Install(true, missing);
    EXPECT_EQ(log.at(log.size() - 2), "FAILED!!!: Navmerger.exe 1.3 could not be started (" + missing +
                                          "), ADD_AIRPORT.DEX not imported");
    EXPECT_FALSE(log.contains("Imported to database with Navmerger.exe 1.3"));
}

TEST_F(DexInstallTest, PauseOptionChoosesThePauseOfTheImporter) {
    EXPECT_EQ(ImporterArguments("a.dex", "/games/Fly2/", true),
              QStringList({"a.dex", "-K", "-P", "-F", "/games/Fly2"}));
    EXPECT_EQ(ImporterArguments("a.dex", "/games/Fly2/", false),
              QStringList({"a.dex", "-K", "-PX", "-F", "/games/Fly2"}));

    // -PX pauses after a successful run too; with its output captured nothing waits, so no prompt.
    MakeAddon({"ADD_AIRPORT.DEX"});
    const QStringList log = Install(false);
    EXPECT_FALSE(log.contains("    Press any key to continue...")) << log.join('\n').toStdString();
    EXPECT_TRUE(log.contains("Imported to database with Navmerger.exe 1.3"));
}

TEST_F(DexInstallTest, DexFolderIsMadeWhenMissingAndItsFailureStopsEverything) {
    MakeAddon({"ADD_AIRPORT.DEX", "REPLACE_NAVAID.DEX"});
    ASSERT_TRUE(QDir(Path("Fly2/dex")).removeRecursively());
    CreateFile("Fly2/dex", "a file where the folder belongs");
    EXPECT_EQ(Install(true), QStringList({Planned,
                                          "Arrêt : le répertoire [DEX] " + fly_ +
                                              "dex/ ne peut pas être créé, l'installation s'arrête ici",
                                          "*** Installing DEX files ***"}));
    ASSERT_EQ(outcome_.notices.size(), 1);
    EXPECT_EQ(outcome_.text(), "Cannot create [DEX] folder. Dex Installation not possible!");

    ASSERT_TRUE(QFile::remove(Path("Fly2/dex")));
    const QStringList log = Install(true);
    EXPECT_EQ(log.count("Imported to database with Navmerger.exe 1.3"), 2) << log.join('\n').toStdString();
    EXPECT_EQ(FilesBelow("Fly2/dex"), QStringList({"ADD_AIRPORT.DEX", "REPLACE_NAVAID.DEX"}));
}

TEST_F(DexInstallTest, SourceWithoutDexFilesLogsOnlyTheFrame) {
    CreateFile("addon/scene.pod");
    EXPECT_EQ(Install(true), QStringList({Planned, "Aucun fichier à installer",
                                          "*** Installing DEX files ***", "*** Installation finished ***"}));
}

// Programs are looked up in a folder of the test's own, which holds a wine or not.
class SearchPath final {
  public:
    explicit SearchPath(const QString& folder) : saved_(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(folder));
    }
    ~SearchPath() { qputenv("PATH", saved_); }
    SearchPath(const SearchPath&) = delete;
    SearchPath& operator=(const SearchPath&) = delete;

  private:
    QByteArray saved_;
};

QString MakeProgram(const QString& path, const QByteArray& script) {
    WriteFile(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST_F(DexInstallTest, ImporterOfTheDexFolderComesFirstWhenItCanRun) {
    const SearchPath path(CreateDir("bin"));
    const QString tool = Path("program/");
    const QString dex = fly_ + "dex/";
    EXPECT_EQ(FindImporter(dex, tool).program, Path("program/navmerger"));
    EXPECT_EQ(FindImporter(dex, tool).logLine, "Importer: " + Path("program/navmerger"));

    CreateFile("Fly2/dex/NAVMERGER.EXE", "MZ\x90");
    EXPECT_EQ(FindImporter(dex, tool).program, Path("program/navmerger"));
    EXPECT_EQ(FindImporter(dex, tool).logLine,
              "Importer: " + Path("program/navmerger") + " (" + dex +
                  "NAVMERGER.EXE is a Windows program and wine is not installed)");
    MakeProgram(Path("bin/wine"), "#!/bin/sh\n");
    EXPECT_EQ(ResolvePath(FindImporter(dex, tool).program), dex + "NAVMERGER.EXE");
    EXPECT_EQ(FindImporter(dex, tool).logLine,
              "Importer: " + dex + "NAVMERGER.EXE (Windows program, through wine)");

    CreateFile("Fly2/dex/navmerger");
    EXPECT_EQ(FindImporter(dex, tool).program, dex + "navmerger");
}

// The simulator's own Windows importer in the dex folder and no wine: the importer beside the tool runs
// and imports; with wine, the Windows one runs through it.
TEST_F(DexInstallTest, WindowsImporterWithoutWineGivesWayToTheOneBesideTheTool) {
    const SearchPath path(CreateDir("bin"));
    MakeAddon({"ADD_AIRPORT.DEX"});
    CreateFile("Fly2/dex/Navmerger.exe", "MZ\x90");
    const QString tool = QFileInfo(QStringLiteral(NAVMERGER_PATH)).path() + '/';
    toolFolder_ = tool;
    QStringList log = Install(true, QString());
    EXPECT_TRUE(log.contains("Importer: " + tool + "navmerger (" + fly_ +
                             "dex/Navmerger.exe is a Windows program and wine is not installed)"))
        << log.join('\n').toStdString();
    EXPECT_TRUE(log.contains("    Database merge successful!"));
    EXPECT_EQ(log.at(log.size() - 2), "Imported to database with Navmerger.exe 1.3");

    MakeProgram(Path("bin/wine"), "#!/bin/sh\necho \"wine $*\"\n");
    ASSERT_TRUE(QFile::rename(Path("addon/ADD_AIRPORT.DEX.installed"), Path("addon/ADD_AIRPORT.DEX")));
    log = Install(true, QString());
    EXPECT_TRUE(log.contains("Importer: " + fly_ + "dex/Navmerger.exe (Windows program, through wine)"));
    EXPECT_TRUE(
        log.contains("    wine " + fly_ + "dex/Navmerger.exe ADD_AIRPORT.DEX -K -P -F " + Path("Fly2")))
        << log.join('\n').toStdString();
    EXPECT_EQ(log.at(log.size() - 2), "Imported to database with Navmerger.exe 1.3");
}

// The window road: the importer installed beside the tool, the pause option unchecked.
TEST_F(DexInstallTest, WindowImportsWithTheImporterBesideTheTool) {
    MakeAddon({"ADD_AIRPORT.DEX"});
    AppSettings().ProgramFolder = QFileInfo(QStringLiteral(NAVMERGER_PATH)).path() + '/';
    ASSERT_EQ(QFileInfo(QStringLiteral(NAVMERGER_PATH)).fileName(), "navmerger");
    TF_AutoInstall window;
    window.show();
    window.SetSourceFolder(Path("addon"));
    window.findChild<QRadioButton*>("RadioType5")->click();
    window.findChild<QCheckBox*>("CheckPause")->setChecked(false);
    window.findChild<QPushButton*>("ButtonInstall")->click();
    const QStringList log = window.findChild<QPlainTextEdit*>("MemoLog")->toPlainText().split('\n');
    EXPECT_EQ(log.mid(0, 7),
              QStringList({"Activity Log:", Planned,
                           "Copie : " + Path("addon/ADD_AIRPORT.DEX") + " -> " + fly_ +
                               "dex/ADD_AIRPORT.DEX (remplace le fichier d'origine)",
                           "Renommage : " + Path("addon/ADD_AIRPORT.DEX") + " -> " +
                               Path("addon/ADD_AIRPORT.DEX.installed"),
                           "Import dans la base de données : ADD_AIRPORT.DEX par " +
                               AppSettings().ProgramFolder + "navmerger",
                           "*** Installing DEX files ***", "Copied: " + fly_ + "dex/ADD_AIRPORT.DEX"}));
    EXPECT_FALSE(log.contains("    Press any key to continue...")) << log.join('\n').toStdString();
    EXPECT_EQ(log.mid(log.size() - 2),
              QStringList({"Imported to database with Navmerger.exe 1.3", "*** Installation finished ***"}));
}

} // namespace

// A stand-in importer that prints, waits, prints and then leaves a mark: its first line must reach the log
// while it still runs, and the window must be given its turns meanwhile.
TEST_F(DexInstallTest, ImporterLinesReachTheLogWhileItRuns) {
    MakeAddon({"ADD_AIRPORT.DEX"});
    const QString ended = Path("ended");
    const QString importer =
        CreateFile("slow-importer", "#!/bin/sh\necho first\necho\nsleep 1\necho second\necho\n: > '" +
                                        ended.toLocal8Bit() + "'\n");
    ASSERT_TRUE(QFile::setPermissions(importer, QFile::ReadOwner | QFile::ExeOwner));
    struct Waits final : Progress {
        void Start(int, qint64) override {}
        bool Step(const QString&, qint64) override { return true; }
        void Wait() override { ++count; }
        int count = 0;
    } waits;
    InstallRequest request;
    request.type = InstallType::Dex;
    request.sourceFolder = Path("addon");
    request.sourceList = ListInstallSource(Path("addon"));
    request.flyFolder = fly_;
    request.importer = importer;
    QStringList log;
    bool endedBeforeFirst = true;
    const Result<AddonInstall> ran = RunInstallation(
        request,
        [&](const QString& line) {
            if (line == "    first")
                endedBeforeFirst = FileExists(ended);
            log << line;
        },
        waits);
    EXPECT_TRUE(InstallationBoxes(ran).ok());
    EXPECT_FALSE(endedBeforeFirst);
    EXPECT_GT(waits.count, 0);
    EXPECT_EQ(log.mid(7),
              QStringList({"    first", "", "    second", "Imported to database with Navmerger.exe 1.3",
                           "*** Installation finished ***"}))
        << log.join('\n').toStdString();
}
