// The add-on library: add-ons installed by the installer, removed one at a time in any order, the folder
// after each removal as the owner stacks say it must be.
#include "CancellingProgress.h"
#include "EnvironmentValue.h"
#include "InstallFixture.h"

#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/AddonLibrary.h"
#include "install/AddonRemoval.h"
#include "install/InstallPlan.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/RemovalBoxes.h"
#include "install/ui/TF_AddonLibrary.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalScope.h"
#include "journal/JournalUndo.h"
#include "shell/Progress.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// What each add-on of the stacking case writes, by path below the simulator folder: B covers a file of A
// and an original one, C covers a file of B and makes the data folder.
const QMap<QString, QMap<QString, QByteArray>> Addons = {
    {"A", {{"scenery/a.pod", "A's a"}, {"scenery/shared.pod", "A's shared"}}},
    {"B", {{"scenery/shared.pod", "B's shared"}, {"scenery/orig.pod", "B's orig"}, {"scenery/b.scf", "B's b"}}},
    {"C", {{"scenery/b.scf", "C's b"}, {"data/road.bgr", "C's road"}}},
};

class AddonLibraryTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        CreateFile("Fly2/FLY2.EXE", "MZ");
        CreateFile("Fly2/scenery/orig.pod", "original");
        AppSettings().FlyFolder = Path("Fly2/");
        for (auto addon = Addons.cbegin(); addon != Addons.cend(); ++addon)
            for (auto file = addon->cbegin(); file != addon->cend(); ++file)
                CreateFile("sources/" + addon.key() + "/" + QFileInfo(file.key()).fileName(), file.value());
        before_ = Tree("Fly2");
    }

    InstallRequest Request(const QString& source, InstallType type = InstallType::Scenery) const {
        InstallRequest request;
        request.type = type;
        request.sourceFolder = Path(source);
        request.sourceList = ListInstallSource(Path(source));
        request.destination = Path("Fly2/scenery/");
        request.flyFolder = Path("Fly2/");
        request.renameSources = false;
        request.importer = QStringLiteral(NAVMERGER_PATH);
        request.pauseOnError = false;
        return request;
    }

    // Installs as the installer window does, in the journal entry the window opens.
    void Install(const InstallRequest& request) {
        const JournalScope journal(request.flyFolder, InstallationName(request.type));
        QStringList log;
        EXPECT_TRUE(
            InstallationBoxes(RunInstallation(request, [&log](const QString& line) { log << line; })).ok());
        for (const QString& line : log)
            if (line.startsWith("FAILED"))
                ADD_FAILURE() << line.toStdString();
    }

    void InstallABC() {
        for (const QString name : {"A", "B", "C"})
            Install(Request("sources/" + name));
    }

    Outcome Remove(const QString& name, bool keepChanged = false) {
        AddonLibrary library(Path("Fly2/"));
        EXPECT_TRUE(library.Load());
        const auto found = std::find_if(library.addons.cbegin(), library.addons.cend(),
                                        [&name](const Addon& addon) { return addon.name == name; });
        EXPECT_NE(found, library.addons.cend()) << name.toStdString();
        const RemovalPlan plan = PlanRemoval(library, int(found - library.addons.cbegin()));
        return RemovalBoxes(RemoveAddon(
            Path("Fly2/"), plan, keepChanged, [](const QString&) {}, NoProgress()));
    }

    // The scenery folder as the owner stacks say it is once the add-ons of present are installed: each
    // file is the last present add-on's, else the original, else nothing.
    QMap<QString, QByteArray> Expected(const QStringList& present) const {
        QMap<QString, QByteArray> tree = before_;
        for (const QString name : {"A", "B", "C"}) {
            if (!present.contains(name))
                continue;
            for (auto file = Addons[name].cbegin(); file != Addons[name].cend(); ++file) {
                tree.insert(file.key(), file.value());
                tree.insert(QFileInfo(file.key()).path(), "<folder>");
            }
        }
        return tree;
    }

    QMap<QString, QByteArray> before_;
};

TEST_F(AddonLibraryTest, ThreeStackedAddOnsAreRemovedInEveryOrder) {
    QStringList order{"A", "B", "C"};
    do {
        SCOPED_TRACE(order.join(',').toStdString());
        QDir(Path("Fly2")).removeRecursively();
        QDir(Path("home")).removeRecursively();
        for (auto file = before_.cbegin(); file != before_.cend(); ++file)
            if (file.value() != "<folder>")
                CreateFile("Fly2/" + file.key(), file.value());
        InstallABC();
        ASSERT_EQ(Listed(Tree("Fly2")), Listed(Expected({"A", "B", "C"})));
        QStringList present{"A", "B", "C"};
        for (const QString& name : order) {
            const Outcome removed = Remove(name);
            EXPECT_EQ(removed.text(), QString::fromUtf8("« ") + name + QString::fromUtf8(" » a été désinstallé."));
            present.removeAll(name);
            EXPECT_EQ(Tree("Fly2"), Expected(present)) << "after removing " << name.toStdString();
        }
        AddonLibrary library(Path("Fly2/"));
        EXPECT_TRUE(library.Load());
        EXPECT_TRUE(library.addons.isEmpty());
        EXPECT_TRUE(QDir(library.StoreFolder()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    } while (std::next_permutation(order.begin(), order.end()));
}

// Whose file an installation would replace, named before it is made.
TEST_F(AddonLibraryTest, ThePreviewNamesTheOwnerOfEachFileReplaced) {
    Install(Request("sources/A"));
    QStringList lines;
    ASSERT_TRUE(PreviewInstallation(Request("sources/B"), [&lines](const QString& line) { lines << line; }));
    EXPECT_TRUE(lines.contains("Copie : " + Path("sources/B/shared.pod") + " -> " + Path("Fly2/scenery/shared.pod") +
                               QString::fromUtf8(" (remplace le fichier de l'add-on « A »)")));
    EXPECT_TRUE(lines.contains("Copie : " + Path("sources/B/orig.pod") + " -> " + Path("Fly2/scenery/orig.pod") +
                               QString::fromUtf8(" (remplace le fichier d'origine)")));
}

// A file of B edited after its installation: "Non" leaves everything, "Oui" keeps the edit beside the
// file put back.
TEST_F(AddonLibraryTest, AFileChangedSinceIsAskedAboutAndKeptAsUserSave) {
    InstallABC();
    WriteFile(Path("Fly2/scenery/shared.pod"), "edited by hand");
    const QMap<QString, QByteArray> edited = Tree("Fly2");
    TF_AddonLibrary window;
    window.show();
    auto* table = window.findChild<QTableWidget*>("TableAddons");
    ASSERT_EQ(table->rowCount(), 3);
    table->setCurrentCell(1, 0);
    const QString asked = QString::fromUtf8("Ces fichiers de « B » ont été modifiés depuis son installation :\n") +
                          Path("Fly2/scenery/shared.pod") +
                          QString::fromUtf8("\nLes garder sous le nom <fichier>.usersave et désinstaller quand même ?");
    dialogs_.AnswerYes();
    dialogs_.AnswerNo();
    window.findChild<QPushButton*>("ButtonRemove")->click();
    EXPECT_EQ(dialogs_.Texts(), QStringList({QString::fromUtf8("Désinstaller « B » ?"), asked}));
    EXPECT_EQ(Tree("Fly2"), edited);

    dialogs_.Clear();
    dialogs_.AnswerYes();
    dialogs_.AnswerYes();
    window.findChild<QPushButton*>("ButtonRemove")->click();
    EXPECT_EQ(dialogs_.Texts().last(), QString::fromUtf8("« B » a été désinstallé."));
    QMap<QString, QByteArray> expected = Expected({"A", "C"});
    expected.insert("scenery/shared.pod.usersave", "edited by hand");
    EXPECT_EQ(Tree("Fly2"), expected);
    EXPECT_EQ(table->rowCount(), 2);
}

// The removal is one entry of the history: undone there, the add-on is back at its place with its files.
TEST_F(AddonLibraryTest, ARemovalIsUndoneFromTheHistory) {
    InstallABC();
    const QMap<QString, QByteArray> installed = Tree("Fly2");
    AddonLibrary before(Path("Fly2/"));
    EXPECT_TRUE(before.Load());
    EXPECT_EQ(Remove("A").text(), QString::fromUtf8("« A » a été désinstallé."));
    ChangeJournal journal(Path("Fly2/"));
    ASSERT_EQ(journal.Entries().value(0).operation, QString::fromUtf8("Désinstallation « A »"));
    EXPECT_EQ(UndoEntries(journal, journal.Entries().mid(0, 1)).stop, UndoReport::Stop::None);
    EXPECT_EQ(Tree("Fly2"), installed);
    AddonLibrary after(Path("Fly2/"));
    EXPECT_TRUE(after.Load());
    ASSERT_EQ(after.addons.size(), 3);
    EXPECT_EQ(after.addons[0].name, "A");
    EXPECT_EQ(after.addons[0].files.size(), before.addons[0].files.size());
}

// Cancelled after its first file, the removal leaves the add-on in the library with the files it has left,
// which a second removal then takes away.
TEST_F(AddonLibraryTest, ACancelledRemovalLeavesTheLibraryConsistent) {
    InstallABC();
    AddonLibrary library(Path("Fly2/"));
    EXPECT_TRUE(library.Load());
    CancellingProgress progress(1);
    const Outcome cancelled = RemovalBoxes(RemoveAddon(
        Path("Fly2/"), PlanRemoval(library, 1), false, [](const QString&) {}, progress));
    EXPECT_TRUE(cancelled.text().contains("ANNULEE")) << cancelled.text().toStdString();
    EXPECT_TRUE(library.Load());
    ASSERT_EQ(library.addons.size(), 3);
    EXPECT_EQ(library.addons[1].files.size(), 2);
    EXPECT_TRUE(library.pending.isEmpty());
    EXPECT_EQ(Remove("B").text(), QString::fromUtf8("« B » a été désinstallé."));
    EXPECT_EQ(Tree("Fly2"), Expected({"A", "C"}));
}

// Whether "Aperçu de la désinstallation" and "Désinstaller" can be pressed.
std::pair<bool, bool> RemovalEnabled(const TF_AddonLibrary& window) {
    return {window.findChild<QPushButton*>("ButtonPreviewRemoval")->isEnabled(),
            window.findChild<QPushButton*>("ButtonRemove")->isEnabled()};
}

// A library with no add-on, whatever the reason, shows an empty table and offers no removal.
TEST_F(AddonLibraryTest, WithoutAnAddOnTheTableIsEmptyAndNothingCanBeRemoved) {
    const QString file = AddonLibrary(Path("Fly2/")).File();
    const QString none = QString::fromUtf8("Aucun add-on installé par l'installateur de FlyKestrel.");
    const QString damaged = QString::fromUtf8("La bibliothèque ") + file + QString::fromUtf8(" est endommagée (");
    QRandomGenerator random(7);
    QByteArray garbage(300, 0);
    for (char& byte : garbage)
        byte = char(random.bounded(256));
    const struct {
        const char* what;
        std::function<void(TF_AddonLibrary&)> make;
        QString state;
    } cases[] = {
        {"none installed", [](TF_AddonLibrary&) {}, none},
        {"the last one removed",
         [this](TF_AddonLibrary& window) {
             Install(Request("sources/A"));
             window.show();
             dialogs_.AnswerYes();
             window.findChild<QPushButton*>("ButtonRemove")->click();
         },
         none},
        {"random bytes", [&](TF_AddonLibrary&) { WriteFile(file, garbage); }, damaged},
        {"an empty file", [&](TF_AddonLibrary&) { WriteFile(file, {}); }, damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(Path("home")).removeRecursively();
        TF_AddonLibrary window;
        c.make(window);
        window.hide();
        window.show();
        EXPECT_EQ(window.findChild<QTableWidget*>("TableAddons")->rowCount(), 0);
        EXPECT_TRUE(window.findChild<QLabel*>("LabelLibrary")->text().startsWith(c.state));
        EXPECT_EQ(RemovalEnabled(window), std::make_pair(false, false));
    }
}

// The removal buttons work on the selected add-on; a damaged library still previews, but removes nothing.
TEST_F(AddonLibraryTest, TheRemovalButtonsFollowTheSelection) {
    InstallABC();
    TF_AddonLibrary window;
    window.show();
    auto* table = window.findChild<QTableWidget*>("TableAddons");
    EXPECT_EQ(RemovalEnabled(window), std::make_pair(true, true));
    table->clearSelection();
    EXPECT_EQ(RemovalEnabled(window), std::make_pair(false, false));
    table->selectRow(2);
    EXPECT_EQ(RemovalEnabled(window), std::make_pair(true, true));

    const QString file = AddonLibrary(Path("Fly2/")).File();
    QByteArray bytes = ReadFile(file);
    bytes.chop(1);
    WriteFile(file, bytes.left(bytes.lastIndexOf('\n') + 1)); // without its last line
    window.hide();
    window.show();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(RemovalEnabled(window), std::make_pair(true, false));
}

// Selected, previewed and removed with the keyboard alone.
TEST_F(AddonLibraryTest, TheWindowIsDrivenByTheKeyboard) {
    InstallABC();
    TF_AddonLibrary window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* table = window.findChild<QTableWidget*>("TableAddons");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentRow(), 1);
    auto* preview = window.findChild<QPushButton*>("ButtonPreviewRemoval");
    for (int tabs = 0; tabs < 10 && !preview->hasFocus(); ++tabs)
        QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_TRUE(preview->hasFocus());
    QTest::keyClick(preview, Qt::Key_Space);
    EXPECT_TRUE(window.findChild<QPlainTextEdit*>("MemoRemoval")->toPlainText().contains(
        QString::fromUtf8("Rétabli : ") + Path("Fly2/scenery/shared.pod") + QString::fromUtf8(" (A)")));
    EXPECT_EQ(Tree("Fly2"), Expected({"A", "B", "C"}));
    QTest::keyClick(&window, Qt::Key_Tab);
    auto* remove = window.findChild<QPushButton*>("ButtonRemove");
    ASSERT_TRUE(remove->hasFocus());
    dialogs_.AnswerYes();
    QTest::keyClick(remove, Qt::Key_Space);
    EXPECT_EQ(Tree("Fly2"), Expected({"A", "C"}));
}

// Two DEX add-ons into the airports' database: removing the first leaves what an import of the second
// alone gives; an import made by hand in between is seen and asked about.
TEST_F(AddonLibraryTest, ADexAddOnRemovedRebuildsTheDatabaseFromTheOthers) {
    for (const QString folder : {"Fly2", "fresh"})
        ASSERT_TRUE(MakeFly2Installation(Path(folder), {QStringLiteral("--records"), QStringLiteral("12")}));
    // The tables' headers hold the time of the import: the same for every import of this case.
    const EnvironmentValue sameTime("SOURCE_DATE_EPOCH", "1136073600");
    AppSettings().FlyFolder = Path("Fly2/");
    for (const QString name : {"AIRPORT.DEX", "ADD_AIRPORT.DEX"})
        CreateFile("dex-" + name.left(3) + "/" + name, Read("Fly2/dex/" + name));
    Install(Request("dex-AIR", InstallType::Dex));
    Install(Request("dex-ADD", InstallType::Dex));
    const Outcome removed = Remove("dex-AIR");
    EXPECT_EQ(removed.text(), QString::fromUtf8("« dex-AIR » a été désinstallé.")) << removed.text().toStdString();

    QProcess importer;
    importer.setWorkingDirectory(Path("fresh/dex"));
    importer.start(QStringLiteral(NAVMERGER_PATH), {"ADD_AIRPORT.DEX", "-K", "-PX", "-F", Path("fresh")});
    ASSERT_TRUE(importer.waitForFinished(60000));
    ASSERT_EQ(importer.exitCode(), 0);
    EXPECT_EQ(Tree("Fly2/system"), Tree("fresh/system"));
    EXPECT_EQ(Tree("Fly2/DATABASE"), Tree("fresh/DATABASE"));

    // By hand now, then the remaining add-on removed: the library sees the database it didn't leave.
    importer.setWorkingDirectory(Path("Fly2/dex"));
    importer.start(QStringLiteral(NAVMERGER_PATH), {"AIRPORT.DEX", "-K", "-PX", "-F", Path("Fly2")});
    ASSERT_TRUE(importer.waitForFinished(60000));
    AddonLibrary library(Path("Fly2/"));
    EXPECT_TRUE(library.Load());
    ASSERT_EQ(library.addons.size(), 1);
    EXPECT_FALSE(PlanRemoval(library, 0).changedByHand.isEmpty());
}

// A removal whose database can't be rebuilt is taken back whole: the importer that imports the other add-on
// again fails, is missing or is killed; the database, the folder and the library stay as before the
// removal, and the box names the DEX file and what went wrong.
TEST_F(AddonLibraryTest, ARemovalWhoseImportAgainFailsIsTakenBackWhole) {
    const struct {
        const char* importer; // the stand-in's script then; empty: no importer at all
        const char* said;     // what the box must hold of it
    } cases[] = {
        {"echo 'An error has occurred:'; echo 'Unable to open ADD_AIRPORT.DEX'; exit 2",
         "exit status 2 : Unable to open ADD_AIRPORT.DEX"},
        {"", "could not be started"},
        {"kill -9 $$", "ended abnormally"},
    };
    ASSERT_TRUE(MakeFly2Installation(Path("Fly2"), {QStringLiteral("--records"), QStringLiteral("12")}));
    const QString importer = Path("importer/navmerger");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        CreateFile("importer/navmerger", "#!/bin/sh\nexec '" + QByteArray(NAVMERGER_PATH) + "' \"$@\"\n");
        QFile(importer).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const QString name : {"AIRPORT.DEX", "ADD_AIRPORT.DEX"})
            CreateFile("dex-" + name.left(3) + "/" + name, Read("Fly2/dex/" + name));
        for (const QString folder : {"dex-AIR", "dex-ADD"}) {
            InstallRequest request = Request(folder, InstallType::Dex);
            request.importer = importer;
            Install(request);
        }
        const QMap<QString, QByteArray> installed = Tree("Fly2");
        const QByteArray library = ReadFile(AddonLibrary(Path("Fly2/")).File());
        QFile::remove(importer);
        if (*c.importer != 0)
            CreateFile("importer/navmerger", "#!/bin/sh\n" + QByteArray(c.importer) + "\n");
        QFile(importer).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const Outcome removed = Remove("dex-AIR");
        EXPECT_EQ(removed.box(), Outcome::Box::Error);
        EXPECT_TRUE(removed.text().contains(ResolvePath(Path("Fly2/dex/ADD_AIRPORT.DEX"))) &&
                    removed.text().contains(QString::fromUtf8(c.said)) &&
                    removed.text().contains(QString::fromUtf8("La désinstallation a été annulée")))
            << removed.text().toStdString();
        EXPECT_EQ(Tree("Fly2"), installed);
        EXPECT_EQ(ReadFile(AddonLibrary(Path("Fly2/")).File()), library);
        // The next case starts from this state: both add-ons taken back from the history.
        ChangeJournal journal(Path("Fly2/"));
        EXPECT_EQ(UndoEntries(journal, journal.Entries().mid(0, 2)).stop, UndoReport::Stop::None);
    }
}

} // namespace
