// Every operation of the tool that changes files, journaled as its window journals it, then undone: the
// simulator folder and the add-on folder are as they were, names, case and contents.
#include "Mkfly2.h"
#include "SettingsTest.h"
#include "UndoNewest.h"

#include "activation/ActivationListing.h"
#include "activation/ActivationProfile.h"
#include "activation/ActivationSwitch.h"
#include "activation/DllFolderBackup.h"
#include "initune/FlyIniTuning.h"
#include "initune/IniGrid.h"
#include "initune/IniSaving.h"
#include "install/AddonInstall.h"
#include "install/DataFolderSave.h"
#include "install/SceneryTransfer.h"
#include "install/ui/InstallationBoxes.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalScope.h"
#include "journal/JournalUndo.h"
#include "shell/ControlFileSets.h"
#include "shell/MainActions.h"
#include "shell/Progress.h"
#include "shell/ui/UndoBoxes.h"
#include "slicer/SlicerFileActions.h"

#include <functional>
#include <unistd.h>

namespace {

struct Operation final {
    const char* name;
    std::function<void(const QString& fly, const QString& addon)> run;
};

void AllOff(ActivationKind kind, const QString& folder, ActivationEntries entries) {
    for (ActivationEntry& entry : entries)
        entry.checked = !entry.checked;
    ASSERT_GT(ApplyActivation({kind, folder, folder, entries}).made, 0);
}

InstallRequest Request(InstallType type, const QString& fly, const QString& addon) {
    InstallRequest request;
    request.type = type;
    request.sourceFolder = addon;
    request.sourceList = ListInstallSource(addon);
    request.destination = fly + "scenery/";
    request.flyFolder = fly;
    request.importer = QStringLiteral(NAVMERGER_PATH);
    request.pauseOnError = false;
    return request;
}

const QList<Operation> Operations = {
    {"Activation *.DLL",
     [](const QString& fly, const QString&) {
         QString label;
         AllOff(ActivationKind::Dll, fly + "modules/pc/", ListDllEntries(fly + "modules/pc", label));
     }},
    {"Activation [scènes]",
     [](const QString& fly, const QString&) {
         AllOff(ActivationKind::Scenery, fly + "scenery/", ListSceneryEntries(fly + "scenery/"));
     }},
    {"Enregistrer profil",
     [](const QString& fly, const QString&) {
         ASSERT_TRUE(SaveProfile(fly + "mine.f2p", fly + "modules/pc", fly + "modules/scripts/global"));
     }},
    {"Copie répertoire DLL",
     [](const QString& fly, const QString&) {
         const Result<DllFolderBackup> backup = BackupDllFolder(fly + "modules/", NoProgress());
         EXPECT_TRUE(backup && backup->failed.isEmpty());
     }},
    {"Enregistrer fly.ini",
     [](const QString& fly, const QString&) {
         IniGrid grid;
         ASSERT_TRUE(LoadFlyIni(grid, fly + "system/fly.ini", fly).value_or(false));
         const Result<Done> saved = SaveIni(grid);
         EXPECT_TRUE(saved && *saved);
     }},
    {"Utilisez la sélection (Touches)",
     [](const QString& fly, const QString&) {
         ASSERT_TRUE(SaveKeysAs(fly, fly + "system/mine.fky"));
         const Result<Done> used = UseKeySet(fly, QStringLiteral("mine.fky"));
         EXPECT_TRUE(used && *used);
     }},
    {"Enregistrer valeurs",
     [](const QString& fly, const QString&) {
         EXPECT_TRUE(SaveValues(fly + "values.ftv", SlicerSettings{}));
     }},
    {"Installation scénes",
     [](const QString& fly, const QString& addon) {
         EXPECT_TRUE(
             InstallationBoxes(RunInstallation(Request(InstallType::Scenery, fly, addon), [](const QString&) {
             })).ok());
     }},
    {"Installation DEX files",
     [](const QString& fly, const QString& addon) {
         const QByteArray airports = ReadFile(fly + "system/AIRPORT.POD");
         EXPECT_TRUE(
             InstallationBoxes(RunInstallation(Request(InstallType::Dex, fly, addon), [](const QString&) {
             })).ok());
         EXPECT_NE(ReadFile(fly + "system/AIRPORT.POD"), airports);
     }},
    {"Déplacement [scènes]",
     [](const QString& fly, const QString& addon) {
         SceneryCopyRequest request{addon, fly + "scenery", ListSceneryFiles(addon, true, false),
                                    SourceMode::Delete};
         SceneryCopy copy(request);
         SceneryCopy::Step said = copy.Continue(NoProgress());
         while (copy.Asking()) {
             copy.Answer(true);
             said = copy.Continue(NoProgress());
         }
         EXPECT_TRUE(said.foldersNotMade.isEmpty() && !copy.Cancelled() && copy.Failed().isEmpty());
     }},
    {"Enregistrement auto. [DATA]",
     [](const QString& fly, const QString&) {
         EXPECT_TRUE(SaveDataFolder(fly + "FLY2.EXE").failed.isEmpty());
     }},
    {"Démarrer FLY! 2", [](const QString& fly, const QString&) { DeleteHST(fly); }},
    {"Créer un rértoire spécial (optionel)",
     [](const QString& fly, const QString&) { EXPECT_TRUE(MakeSlicerWorkFolders(fly).failed.isEmpty()); }},
};

class UndoOperationsTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        ASSERT_TRUE(MakeFly2Installation(Path("Fly2"), {QStringLiteral("--records"), QStringLiteral("12")}));
        fly_ = Path("Fly2/");
        CreateFile("Fly2/aircraft/one.HST", "history");
        CreateFile("Fly2/scenery/Same.POD", "old scenery");
        CreateFile("addon/Same.pod", "new scenery");
        CreateFile("addon/More.SCF", "control");
        CreateFile("addon/sub/Deep.pod", "deep");
        // Copies follow a link: the journal must know the bytes they write, not the link.
        ASSERT_EQ(::symlink("sub/Deep.pod", Path("addon/Linked.pod").toUtf8().constData()), 0);
        ASSERT_TRUE(QFile::copy(Path("Fly2/dex/ADD_AIRPORT.DEX"), Path("addon/ADD_AIRPORT.DEX")));
    }

    QMap<QString, QByteArray> Both() const {
        return Trees({QStringLiteral("Fly2"), QStringLiteral("addon")});
    }

    QString fly_;
};

TEST_F(UndoOperationsTest, EachOperationIsUndoneToTheSameFolder) {
    ChangeJournal journal(fly_);
    for (const Operation& operation : Operations) {
        SCOPED_TRACE(operation.name);
        const QMap<QString, QByteArray> before = Both();
        {
            const JournalScope scope(fly_, QString::fromUtf8(operation.name));
            operation.run(fly_, Path("addon"));
        }
        EXPECT_NE(Both(), before);
        ASSERT_EQ(journal.Entries().size(), 1);
        EXPECT_EQ(journal.Entries()[0].operation, QString::fromUtf8(operation.name));
        const UndoReport undone = UndoNewest(journal, 1);
        EXPECT_EQ(undone.stop, UndoReport::Stop::None) << UndoBoxes(undone).text().toStdString();
        EXPECT_EQ(Both(), before);
        EXPECT_TRUE(journal.Entries().isEmpty());
    }
}

TEST_F(UndoOperationsTest, ARestoreAfterASaveIsUndoneInTwoSteps) {
    ChangeJournal journal(fly_);
    const QMap<QString, QByteArray> before = Both();
    for (const char* name : {"Enregistrement auto. [DATA]", "Restauration auto. [DATA]"}) {
        const JournalScope scope(fly_, QString::fromUtf8(name));
        const DataFolderSave did =
            name[0] == 'E' ? SaveDataFolder(fly_ + "FLY2.EXE") : RestoreDataFolder(fly_ + "FLY2.EXE");
        EXPECT_TRUE(did.failed.isEmpty()) << did.failed.value(0).reason.toStdString();
    }
    ASSERT_EQ(journal.Entries().size(), 2);
    EXPECT_EQ(UndoNewest(journal, 2).stop, UndoReport::Stop::None);
    EXPECT_EQ(Both(), before);
}

} // namespace
