// The preview of an installation: it changes nothing, and the installation then logs and does exactly
// the steps it listed, in the same order.
#include "InstallFixture.h"

#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/InstallPlan.h"
#include "install/ui/InstallationBoxes.h"

#include <QFile>
#include <QStandardPaths>

namespace {

class InstallPreviewTest : public InstallFixture {
  protected:
    // An add-on beside a simulator that already holds some of its files; every target folder has a link
    // named like an add-on file that leads out of it. The importer is a stand-in that does nothing.
    InstallRequest MakeCase(const QString& root, InstallType type, const QString& destination) {
        const QString victim = CreateFile(root + "victim.pod", "victim");
        for (const char* name : {"Fly2/scenery/", "Fly2/taxiways/", "external/"}) {
            CreateFile(root + name + "old.pod", "replaced");
            EXPECT_TRUE(QFile::link(victim, Path(root + name + "link.pod")));
        }
        CreateFile(root + "Fly2/data/old.tms", "replaced");
        CreateFile(root + "Fly2/dex/old.dex", "replaced");
        for (const char* name : {"-bad.dex", "kept.bgr", "kept.bgr.installed", "link.pod", "new.dex",
                                 "new.pod", "new.scf", "old.dex", "old.pod", "old.tms", "readme.txt"})
            CreateFile(root + "addon/" + name, name);
        InstallRequest request;
        request.type = type;
        request.sourceFolder = Path(root + "addon");
        request.sourceList = ListInstallSource(request.sourceFolder);
        request.flyFolder = Path(root + "Fly2");
        request.destination = Path(root + destination);
        request.importer = QStandardPaths::findExecutable("true");
        return request;
    }
};

// One step in short: source name, target below the case folder, and what else happens.
QString Summary(const InstallStep& step, const QString& root) {
    QString text = QFileInfo(step.source).fileName();
    if (!step.newFolder.isEmpty())
        text += (step.folderBlocked ? " cannot make " : " makes ") + step.newFolder.mid(root.size());
    if (!step.refusal.isEmpty())
        return text + " refused";
    text += " > " + step.target.mid(root.size());
    if (step.replaces)
        text += " replaces";
    if (step.rename == InstallStep::Rename::Yes)
        text += " renamed";
    if (step.rename == InstallStep::Rename::Blocked)
        text += " kept";
    return text;
}

// What the installation logs for the steps.
QStringList RunLines(const InstallPlan& plan, const QString& importer) {
    QStringList lines{"*** Installation : étapes prévues ***"};
    lines << DescribePlan(plan);
    if (!plan.firstLine.isEmpty())
        lines << plan.firstLine;
    for (const InstallStep& step : plan.steps) {
        if (!step.refusal.isEmpty())
            lines << "FAILED!!!: " + step.source + " (" + step.refusal + ")";
        else if (!step.dex)
            lines << "Installed: " + step.target;
        else
            lines << "Copied: " + step.target << "Importer: " + importer
                  << "Imported to database with Navmerger.exe 1.3";
    }
    return lines << "*** Installation finished ***";
}

TEST_F(InstallPreviewTest, InstallationDoesWhatThePreviewListedForEveryType) {
    const QStringList common = {"kept.bgr > Fly2/data/kept.bgr kept", "link.pod refused"};
    const QStringList data = {"old.tms > Fly2/data/old.tms replaces renamed"};
    const struct {
        InstallType type;
        QString destination;
        QString missing; // a folder that the case doesn't have
        QStringList steps;
    } cases[] = {
        {InstallType::Scenery,
         "Fly2/scenery/",
         {},
         common +
             QStringList{"new.pod > Fly2/scenery/new.pod renamed", "new.scf > Fly2/scenery/new.scf renamed",
                         "old.pod > Fly2/scenery/old.pod replaces renamed"} +
             data},
        {InstallType::ExternalScenery,
         "external",
         {},
         common +
             QStringList{"new.pod > external/new.pod renamed", "new.scf > external/new.scf renamed",
                         "old.pod > external/old.pod replaces renamed"} +
             data},
        {InstallType::ExternalScenery,
         "external/alps",
         {},
         {"kept.bgr > Fly2/data/kept.bgr kept",
          "link.pod makes external/alps/ > external/alps/link.pod renamed",
          "new.pod > external/alps/new.pod renamed", "new.scf > external/alps/new.scf renamed",
          "old.pod > external/alps/old.pod renamed", "old.tms > Fly2/data/old.tms replaces renamed"}},
        {InstallType::Taxiways,
         "Fly2/taxiways/ *OR* data/",
         {},
         common +
             QStringList{"new.pod > Fly2/taxiways/new.pod renamed",
                         "old.pod > Fly2/taxiways/old.pod replaces renamed"} +
             data},
        {InstallType::Aircraft, "Fly2/scenery/", {}, {}},
        {InstallType::Script, "Fly2/scenery/", {}, {}},
        {InstallType::Dex,
         "Fly2/scenery/",
         {},
         {"-bad.dex refused", "new.dex > Fly2/dex/new.dex renamed",
          "old.dex > Fly2/dex/old.dex replaces renamed"}},
        {InstallType::Dex,
         "Fly2/scenery/",
         "Fly2/dex",
         {"-bad.dex makes Fly2/dex/ refused", "new.dex > Fly2/dex/new.dex renamed",
          "old.dex > Fly2/dex/old.dex renamed"}},
    };
    int number = 0;
    for (const auto& c : cases) {
        const QString root = QStringLiteral("case%1/").arg(number++);
        SCOPED_TRACE(root.toStdString());
        const InstallRequest request = MakeCase(root, c.type, c.destination);
        if (!c.missing.isEmpty()) {
            ASSERT_TRUE(QDir(Path(root + c.missing)).removeRecursively());
        }
        const QMap<QString, QByteArray> before = Snapshot(root);

        QStringList preview;
        EXPECT_TRUE(PreviewInstallation(request, [&preview](const QString& line) { preview << line; }));
        EXPECT_EQ(Listed(Snapshot(root)), Listed(before));
        const InstallPlan plan = PlanInstallation(request);
        EXPECT_EQ(preview, QStringList{"*** Aperçu : rien n'a été modifié ***"} + DescribePlan(plan));
        QStringList steps;
        for (const InstallStep& step : plan.steps)
            steps << Summary(step, Path(root));
        EXPECT_EQ(steps, c.steps);

        QStringList log;
        EXPECT_TRUE(
            InstallationBoxes(RunInstallation(request, [&log](const QString& line) { log << line; })).ok());
        EXPECT_EQ(log, RunLines(plan, request.importer));
        QMap<QString, QByteArray> after = before;
        for (const InstallStep& step : plan.steps) {
            if (!step.newFolder.isEmpty())
                after[step.newFolder.mid(Path(root).size()).chopped(1)] = "folder";
            if (!step.refusal.isEmpty())
                continue;
            const QString source = step.source.mid(Path(root).size());
            after[step.target.mid(Path(root).size())] = before[source];
            if (step.rename == InstallStep::Rename::Yes)
                after[source + ".installed"] = after.take(source);
        }
        EXPECT_EQ(Listed(Snapshot(root)), Listed(after));
    }
}

// Names that differ only in case land on one file, whose ".installed" name is taken then; a file that
// stands where a folder belongs stops its copies. The preview foresees both as the installation meets them.
TEST_F(InstallPreviewTest, CaseTwinsAndBlockedFoldersAreForeseen) {
    CreateFile("addon/A.POD", "upper");
    CreateFile("addon/a.pod", "lower");
    CreateFile("addon/road.bgr");
    CreateFile("Fly2/data", "a file where the folder belongs");
    InstallRequest request;
    request.sourceFolder = Path("addon");
    request.sourceList = ListInstallSource(request.sourceFolder);
    request.flyFolder = Path("Fly2");
    request.destination = Path("Fly2/scenery/");
    const InstallPlan plan = PlanInstallation(request);
    QStringList steps;
    for (const InstallStep& step : plan.steps)
        steps << Summary(step, Path({}));
    EXPECT_EQ(steps, QStringList({"A.POD makes Fly2/scenery/ > Fly2/scenery/A.POD renamed",
                                  "a.pod > Fly2/scenery/A.POD replaces kept",
                                  "road.bgr cannot make Fly2/data/ refused"}));

    QStringList log;
    EXPECT_EQ(
        InstallationBoxes(RunInstallation(request, [&log](const QString& line) { log << line; })).text(),
        "Erreur, création de sous répertoires impossible");
    EXPECT_EQ(log, RunLines(plan, {}));
    EXPECT_EQ(FilesBelow("Fly2"), QStringList({"data", "scenery/A.POD"}));
    EXPECT_EQ(Read("Fly2/scenery/A.POD"), "lower");
    EXPECT_EQ(FilesBelow("addon"), QStringList({"A.POD.installed", "a.pod", "road.bgr"}));
}

// The boxes that refuse a preview are those that refuse the installation; neither logs or changes anything.
TEST_F(InstallPreviewTest, PreviewIsRefusedLikeTheInstallation) {
    const struct {
        InstallType type;
        QString source;
        QString destination;
        QString box;
    } cases[] = {
        {InstallType::Dex, {}, "Fly2/scenery/", "Répertoire Source manaquant pour installer!"},
        {InstallType::Scenery, "addon", "external",
         "Réinitialisez la valeur par défaut du répertoire de Fly! ou vérifié le bouton radio [Fichier scène "
         "extérieur]"},
        {InstallType::ExternalScenery, "addon", "Fly2/scenery/",
         "Select EXTERNAL scenery folder OR check [scenery] radiobutton"},
    };
    InstallRequest request = MakeCase({}, InstallType::Scenery, {});
    const QMap<QString, QByteArray> before = Snapshot({});
    for (const auto& c : cases) {
        request.type = c.type;
        request.sourceFolder = c.source.isEmpty() ? QString() : Path(c.source);
        request.destination = Path(c.destination);
        QStringList log;
        const auto logged = [&log](const QString& line) { log << line; };
        EXPECT_EQ(PreviewInstallation(request, logged).failure().reason, c.box);
        EXPECT_EQ(InstallationBoxes(RunInstallation(request, logged)).text(), c.box);
        EXPECT_TRUE(log.isEmpty());
    }
    EXPECT_EQ(Listed(Snapshot({})), Listed(before));
}

} // namespace
