// Where the installer and the scenery copy write: inside the folder each file is meant for, named as
// it is on disk, never elsewhere.
#include "InstallFixture.h"

#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/SceneryTransfer.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/SceneryCopyBoxes.h"

#include <QStandardPaths>

namespace {

using InstallPathsTest = InstallFixture;

QStringList Install(const InstallRequest& request) {
    QStringList log;
    EXPECT_TRUE(
        InstallationBoxes(RunInstallation(request, [&log](const QString& line) { log << line; })).ok());
    return log;
}

// Names that the Windows path rules would read as "..", folders or a drive are names like any other
// here; a link in a destination folder that points outside it, and a source outside the source folder,
// are refused. Nothing outside the simulator, the add-on and the external folder changes.
TEST_F(InstallPathsTest, EveryTypeInstallsInsideItsFolderOnly) {
    const QStringList odd{"\\..\\escaped.scf", "a\\..\\..\\..\\escaped.dex", "a\\..\\..\\..\\escaped.pod",
                          "C:\\escaped.bgr"};
    const struct {
        InstallType type;
        QString first;
        QStringList installed; // "Installed: " lines, relative to the case folder
    } cases[] = {
        {InstallType::Scenery,
         "*** Installing Scenery ***",
         {"Fly2/scenery/\\..\\escaped.scf", "Fly2/scenery/a\\..\\..\\..\\escaped.pod",
          "Fly2/data/C:\\escaped.bgr"}},
        {InstallType::ExternalScenery,
         "*** Installing Scenery to external/other folder ***",
         {"external/\\..\\escaped.scf", "external/a\\..\\..\\..\\escaped.pod", "Fly2/data/C:\\escaped.bgr"}},
        {InstallType::Taxiways,
         "*** Installing Taxiways ***",
         {"Fly2/taxiways/a\\..\\..\\..\\escaped.pod", "Fly2/data/C:\\escaped.bgr"}},
        {InstallType::Dex, "*** Installing DEX files ***", {}},
    };
    for (const auto& c : cases) {
        const QString root = QStringLiteral("type%1/").arg(int(c.type));
        SCOPED_TRACE(root.toStdString());
        const QString victim = CreateFile(root + "victim.pod", "victim");
        for (const char* folder : {"Fly2/scenery/", "Fly2/taxiways/", "Fly2/dex/", "external/"}) {
            CreateDir(root + folder + "a");
            ASSERT_TRUE(QFile::link(victim, Path(root + folder + "link.pod")));
        }
        ASSERT_TRUE(QFile::link(victim, Path(root + "Fly2/dex/link.dex")));
        CreateDir(root + "addon/a");
        for (const QString& name : odd + QStringList{"link.pod", "link.dex"})
            CreateFile(root + "addon/" + name, name.toUtf8());
        const QStringList outside = Entries(root);

        InstallRequest request;
        request.type = c.type;
        request.sourceFolder = Path(root + "addon");
        request.sourceList = ListInstallSource(request.sourceFolder)
                             << Path(root + "addon/a/../../victim.pod");
        request.flyFolder = Path(root + "Fly2");
        request.destination =
            c.type == InstallType::ExternalScenery ? Path(root + "external") : Path(root + "Fly2/scenery/");
        const QString addon = Path(root + "addon/");
        QStringList expected{"*** Installation : étapes prévues ***"};
        for (const QString& installed : c.installed) {
            const QString name = installed.mid(installed.lastIndexOf('/') + 1);
            if (installed.startsWith("Fly2/data/")) // the one file there, which makes the folder
                expected << "Nouveau répertoire : " + Path(root + "Fly2/data/");
            expected << "Copie : " + addon + name + " -> " + Path(root + installed)
                     << "Renommage : " + addon + name + " -> " + addon + name + ".installed";
        }
        const QString escapes = " (la copie sortirait de son répertoire)";
        if (c.type == InstallType::Dex)
            expected << "Non installé : " + addon +
                            "a\\..\\..\\..\\escaped.dex (nom que l'importateur lirait comme autre chose "
                            "qu'un fichier)"
                     << "Non installé : " + addon + "link.dex" + escapes;
        else
            expected << "Non installé : " + addon + "link.pod" + escapes
                     << "Non installé : " + addon + "a/../../victim.pod (hors du répertoire source)";
        expected << c.first;
        for (const QString& installed : c.installed)
            expected << "Installed: " + Path(root + installed);
        if (c.type == InstallType::Dex)
            expected << "FAILED!!!: " + Path(root + "addon/a\\..\\..\\..\\escaped.dex") +
                            " (nom que l'importateur lirait comme autre chose qu'un fichier)"
                     << "FAILED!!!: " + Path(root + "addon/link.dex") + escapes;
        else
            expected << "FAILED!!!: " + Path(root + "addon/link.pod") + escapes
                     << "FAILED!!!: " + Path(root + "addon/a/../../victim.pod") + " (hors du répertoire source)";
        expected << "*** Installation finished ***";
        const QStringList log = Install(request);
        EXPECT_EQ(log, expected);

        EXPECT_EQ(Read(root + "victim.pod"), "victim");
        EXPECT_EQ(Entries(root), outside);
        for (const QString& installed : c.installed)
            EXPECT_EQ(Read(root + installed), installed.mid(installed.lastIndexOf('/') + 1).toUtf8());
        EXPECT_EQ(Entries(root + "addon").filter(".installed").size(), c.installed.size());
    }
}

// The simulator's folders exist in another case than the tool names them: the log names them as they are.
TEST_F(InstallPathsTest, LogNamesTheFoldersAsTheyAreOnDisk) {
    CreateDir("Fly2/Scenery");
    CreateDir("Fly2/DATA");
    CreateDir("Fly2/Dex");
    CreateFile("addon/scene.pod");
    CreateFile("addon/road.bgr");
    CreateFile("addon/a.dex");
    InstallRequest request;
    request.sourceFolder = Path("addon");
    request.sourceList = ListInstallSource(request.sourceFolder);
    request.flyFolder = Path("Fly2/");
    request.destination = Path("Fly2/scenery/");
    request.renameSources = false;
    EXPECT_EQ(Install(request),
              QStringList({"*** Installation : étapes prévues ***",
                           "Copie : " + Path("addon/road.bgr") + " -> " + Path("Fly2/DATA/road.bgr"),
                           "Copie : " + Path("addon/scene.pod") + " -> " + Path("Fly2/Scenery/scene.pod"),
                           "*** Installing Scenery ***", "Installed: " + Path("Fly2/DATA/road.bgr"),
                           "Installed: " + Path("Fly2/Scenery/scene.pod"), "*** Installation finished ***"}));
    request.type = InstallType::Dex;
    request.importer = QStandardPaths::findExecutable("true");
    const QStringList log = Install(request);
    EXPECT_EQ(log.mid(0, 5),
              QStringList({"*** Installation : étapes prévues ***",
                           "Copie : " + Path("addon/a.dex") + " -> " + Path("Fly2/Dex/a.dex"),
                           "Import dans la base de données : a.dex par " + request.importer,
                           "*** Installing DEX files ***", "Copied: " + Path("Fly2/Dex/a.dex")}));
    EXPECT_EQ(Entries("Fly2"), QStringList({"DATA", "Dex", "Scenery"}));
}

// The copy and move of scenery with literal odd names (copied as they are) and with entries that lead
// out of the source or the destination folder (refused: nothing copied, renamed or deleted there).
TEST_F(InstallPathsTest, SceneryCopyAndMoveStayInsideBothFolders) {
    for (const SourceMode mode : {SourceMode::SwitchOff, SourceMode::Delete}) {
        const QString root = QStringLiteral("mode%1/").arg(int(mode));
        SCOPED_TRACE(root.toStdString());
        CreateFile(root + "src/a\\..\\..\\x.pod", "x");
        CreateFile(root + "src/C:\\y.scf", "y");
        CreateFile(root + "src/sub/z.pod", "z");
        CreateFile(root + "outside.pod", "outside");
        CreateDir(root + "dst/deep");
        SceneryCopyRequest request{Path(root + "src"), Path(root + "dst/deep"), {}, mode};
        request.entries = ListSceneryFiles(request.sourceFolder, true, false);
        EXPECT_EQ(request.entries.size(), 3);
        request.entries << SceneryEntry{"../outside.pod"} << SceneryEntry{"sub/../../outside.pod"}
                        << SceneryEntry{"/../../../outside.pod"};
        SceneryCopy copy(request);
        int questions = 0;
        Outcome outcome = SceneryCopyBoxes(copy, copy.Continue(NoProgress()));
        for (; copy.Asking(); outcome = SceneryCopyBoxes(copy, copy.Continue(NoProgress()))) {
            ++questions;
            EXPECT_EQ(outcome.notices.size(), 1);
            EXPECT_EQ(outcome.box(), Outcome::Box::Question);
            copy.Answer(true);
        }
        EXPECT_TRUE(outcome.ok());
        EXPECT_EQ(questions, mode == SourceMode::Delete ? 3 : 0);
        EXPECT_EQ(FilesBelow(root + "dst"),
                  QStringList({"deep/C:\\y.scf", "deep/a\\..\\..\\x.pod", "deep/sub/z.pod"}));
        EXPECT_EQ(Read(root + "outside.pod"), "outside");
        EXPECT_EQ(Entries(root), QStringList({"dst", "outside.pod", "src"}));
        EXPECT_EQ(FilesBelow(root + "src"),
                  mode == SourceMode::Delete
                      ? QStringList()
                      : QStringList({"C:\\y.scf.notused", "a\\..\\..\\x.pod.notused", "sub/z.pod.notused"}));
    }
}

} // namespace
