// Add-ons installed straight from their archives: for each format the preview is what the installation
// then does, the add-on takes the archive's name in the library, and both undo and removal leave the
// simulator folder byte for byte as before; hostile or damaged archives change nothing at all; the tree
// type copies an add-on that mirrors the simulator's folders.
#include "ArchiveFixtures.h"
#include "InstallFixture.h"
#include "UndoNewest.h"

#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/AddonLibrary.h"
#include "install/AddonRemoval.h"
#include "install/InstallPlan.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/RemovalBoxes.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalScope.h"
#include "shell/Progress.h"

#include <functional>

namespace {

// The add-on of every format: a top folder with two scenery files, a taxiway texture, and one file too
// deep for the scenery type.
const QList<QPair<QByteArray, QByteArray>> Files = {
    {"MyScenery/scene.pod", "pod bytes"},
    {"MyScenery/scene.scf", "scf bytes"},
    {"MyScenery/road.bgr", "bgr bytes"},
    {"MyScenery/extra/deep.pod", "deep bytes"},
};

QList<FixtureEntry> AddonEntries() {
    QList<FixtureEntry> entries;
    for (const auto& [name, data] : Files)
        entries << File(name, data);
    return entries;
}

QList<RarFixture> RarEntries() {
    QList<RarFixture> entries;
    for (const auto& [name, data] : Files)
        entries.append({.name = name, .data = data});
    return entries;
}

QList<ZipFixture> ZipEntries() {
    QList<ZipFixture> entries;
    for (const auto& [name, data] : Files)
        entries.append({.name = name, .data = data});
    return entries;
}

const struct {
    const char* file;
    std::function<QByteArray()> bytes;
} Formats[] = {
    {"MyScenery.zip", [] { return WrittenArchive("zip", AddonEntries()); }},
    {"MyScenery.7z", [] { return WrittenArchive("7z", AddonEntries()); }},
    {"MyScenery.tar.xz", [] { return WrittenArchive("tar.xz", AddonEntries()); }},
    {"MyScenery.exe", [] { return ExeStub(4096) + ZipArchive(ZipEntries()); }},
    {"MyScenery.rar", [] { return Rar4Archive(RarEntries()); }},
    {"MyScenery.RAR", [] { return Rar5Archive(RarEntries()); }},
};

class ArchiveInstallTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        CreateFile("Fly2/FLY2.EXE", "MZ");
        CreateFile("Fly2/scenery/scene.pod", "original pod");
        for (const char* folder : {"Fly2/aircraft", "Fly2/modules/pc", "Fly2/data", "downloads"})
            CreateDir(folder);
    }

    InstallRequest Request(const QString& source, InstallType type = InstallType::Scenery) const {
        InstallRequest request;
        request.type = type;
        request.sourceFolder = source;
        request.destination = Path("Fly2/scenery/");
        request.flyFolder = Path("Fly2/");
        request.renameSources = false;
        return request;
    }

    // Installs as the window does, in its own journal entry, expecting it to succeed; the log, which the
    // cases that only need the installation made drop.
    QStringList Install(const InstallRequest& request) const {
        QStringList log;
        const JournalScope journal(request.flyFolder, InstallationName(request.type));
        EXPECT_TRUE(
            InstallationBoxes(RunInstallation(request, [&log](const QString& line) { log << line; })).ok());
        return log;
    }

    // The simulator folder with the journal and the library: what a refused installation must not touch.
    QMap<QString, QByteArray> Everything() const { return Trees({"Fly2", "home"}); }
};

TEST_F(ArchiveInstallTest, EachFormatInstallsAsPreviewedAndComesOffAgain) {
    const QMap<QString, QByteArray> before = Tree("Fly2");
    for (const auto& format : Formats) {
        SCOPED_TRACE(format.file);
        const QString archive = FixtureFile(Path("downloads"), format.file, format.bytes());
        const InstallRequest request = Request(archive);
        const QStringList preview = DescribePlan(PlanInstallation(request));
        EXPECT_TRUE(preview.contains("Laissé de côté : " + archive +
                                     "/MyScenery/extra/deep.pod (dans un "
                                     "sous-répertoire : le type « arborescence de Fly! (avions, scripts, "
                                     "modules, sons...) » l'installe)"))
            << preview.join('\n').toStdString();
        const QStringList log = Install(request);
        EXPECT_EQ(log.mid(1, preview.size()), preview);
        EXPECT_EQ(Read("Fly2/scenery/scene.pod"), "pod bytes");
        EXPECT_EQ(Read("Fly2/data/road.bgr"), "bgr bytes");
        EXPECT_FALSE(QFileInfo::exists(Path("Fly2/scenery/deep.pod")));

        AddonLibrary library(Path("Fly2/"));
        EXPECT_TRUE(library.Load());
        ASSERT_EQ(library.addons.size(), 1);
        EXPECT_EQ(library.addons[0].name, "MyScenery");
        ChangeJournal journal(Path("Fly2/"));
        EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
        EXPECT_EQ(Tree("Fly2"), before);

        (void)Install(request);
        EXPECT_TRUE(library.Load());
        ASSERT_EQ(library.addons.size(), 1);
        EXPECT_EQ(RemovalBoxes(
                      RemoveAddon(
                          Path("Fly2/"), PlanRemoval(library, 0), false, [](const QString&) {}, NoProgress()))
                      .box(),
                  Outcome::Box::Info);
        EXPECT_EQ(Tree("Fly2"), before);
        EXPECT_TRUE(QFile::remove(archive));
    }
}

// The rename option marks the archive itself, once, and undo takes the mark back with the rest.
TEST_F(ArchiveInstallTest, TheArchiveItselfIsMarkedInstalled) {
    const QString archive =
        FixtureFile(Path("downloads"), "MyScenery.zip", WrittenArchive("zip", AddonEntries()));
    InstallRequest request = Request(archive);
    request.renameSources = true;
    (void)Install(request);
    EXPECT_EQ(FilesBelow("downloads"), QStringList{"MyScenery.zip.installed"});
    ChangeJournal journal(Path("Fly2/"));
    EXPECT_EQ(UndoNewest(journal, 1).stop, UndoReport::Stop::None);
    EXPECT_EQ(FilesBelow("downloads"), QStringList{"MyScenery.zip"});
}

// Names of the old DOS code page come out as written: "Scènes été" in CP850.
TEST_F(ArchiveInstallTest, FrenchNamesOfDosZipToolsComeOutRight) {
    const QString archive = FixtureFile(Path("downloads"), "Sc\xc3\xa8nes.zip",
                                        ZipArchive({{.name = "Sc\x8anes/\x82t\x82.pod", .data = "summer"}}));
    (void)Install(Request(archive));
    EXPECT_EQ(Read(QString::fromUtf8("Fly2/scenery/été.pod")), "summer");
    AddonLibrary library(Path("Fly2/"));
    EXPECT_TRUE(library.Load());
    ASSERT_EQ(library.addons.size(), 1);
    EXPECT_EQ(library.addons[0].name, QString::fromUtf8("Scènes"));
}

// A hostile or broken archive is refused before anything is written: not a byte of the simulator folder,
// the journal or the library changes, and the box names the archive and why.
TEST_F(ArchiveInstallTest, AHostileArchiveChangesNothing) {
    const struct {
        const char* label;
        QByteArray bytes;
        QString why;
    } cases[] = {
        {"dot dot", WrittenArchive("tar", {File("MyScenery/../../evil.pod", "x")}),
         QString::fromUtf8("« .. »")},
        {"absolute", WrittenArchive("tar", {File("/tmp/evil.pod", "x")}), "nom absolu"},
        {"link",
         WrittenArchive("tar", {{"MyScenery/a.pod", "/etc/passwd", FixtureEntry::Kind::SymbolicLink}}),
         "lien symbolique"},
        {"case", WrittenArchive("zip", {File("A/x.pod", "1"), File("A/X.POD", "2")}), "casse"},
        {"encrypted", ZipArchive({{.name = "a.pod", .data = "x", .flags = 1}}), "mot de passe"},
        {"cut short", ZipArchive(ZipEntries()).chopped(30), "ZIP"},
    };
    // An add-on already in the library and the journal, so that a refusal must leave both as they are.
    (void)Install(
        Request(FixtureFile(Path("downloads"), "first.zip", WrittenArchive("zip", AddonEntries()))));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const QString archive = FixtureFile(Path("downloads"), QString(c.label) + ".zip", c.bytes);
        const QMap<QString, QByteArray> before = Everything();
        QStringList log;
        const JournalScope journal(Path("Fly2/"), InstallationName(InstallType::Scenery));
        const Result<AddonInstall> refused =
            RunInstallation(Request(archive), [&log](const QString& line) { log << line; });
        ASSERT_FALSE(refused);
        const QString why = refused.failure().reason;
        EXPECT_TRUE(
            why.startsWith(QString::fromUtf8("Archive refusée, rien n'a été installé : ") + archive + '\n'))
            << why.toStdString();
        EXPECT_TRUE(why.contains(c.why)) << why.toStdString();
        EXPECT_TRUE(log.isEmpty());
        EXPECT_EQ(Everything(), before);
    }
}

// A checksum that fails while streaming: nothing of the batch is put in place, the folder is as before.
TEST_F(ArchiveInstallTest, AnEntryDamagedInTheArchiveInstallsNothing) {
    QByteArray bytes = ZipArchive(ZipEntries());
    bytes[bytes.indexOf("bgr bytes")] = 'B'; // stored data: its CRC no longer matches
    const QString archive = FixtureFile(Path("downloads"), "damaged.zip", bytes);
    const QMap<QString, QByteArray> before = Tree("Fly2");
    const QStringList failed = Install(Request(archive)).filter("FAILED!!!");
    EXPECT_EQ(failed.size(), 3);
    EXPECT_TRUE(failed.join('\n').contains("CRC-32")) << failed.join('\n').toStdString();
    EXPECT_EQ(Tree("Fly2"), before);
    EXPECT_TRUE(ChangeJournal(Path("Fly2/")).Entries().isEmpty());
}

// An add-on that mirrors the simulator's folders: each file at its own path below it, what it replaces
// named, the files outside its folders only once confirmed.
TEST_F(ArchiveInstallTest, TheTreeTypeCopiesEachFileToItsPath) {
    CreateFile("Fly2/modules/pc/hud.dll", "old hud");
    const QString archive = FixtureFile(Path("downloads"), "Cessna.zip",
                                        WrittenArchive("zip", {File("Cessna/Aircraft/C172/c172.cfg", "cfg"),
                                                               File("Cessna/Modules/pc/hud.dll", "hud"),
                                                               File("Cessna/readme.txt", "read me")}));
    InstallRequest request = Request(archive, InstallType::Tree);
    const InstallPlan plan = PlanInstallation(request);
    EXPECT_EQ(plan.outside, QStringList{archive + "/Cessna/readme.txt"});
    EXPECT_TRUE(DescribePlan(plan).contains("Copie : " + archive + "/Cessna/Modules/pc/hud.dll -> " +
                                            Path("Fly2/modules/pc/hud.dll") +
                                            " (remplace le fichier d'origine)"))
        << DescribePlan(plan).join('\n').toStdString();
    EXPECT_EQ(Install(request).filter("FAILED!!!").size(), 1);
    EXPECT_EQ(Read("Fly2/aircraft/C172/c172.cfg"), "cfg");
    EXPECT_EQ(Read("Fly2/modules/pc/hud.dll"), "hud");
    EXPECT_FALSE(QFileInfo::exists(Path("Fly2/readme.txt")));

    request.installOutside = true;
    EXPECT_TRUE(Install(request).filter("FAILED!!!").isEmpty());
    EXPECT_EQ(Read("Fly2/readme.txt"), "read me");
}

} // namespace
