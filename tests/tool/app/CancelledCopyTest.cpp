// Long copies cancelled half-way: each of them stops between two files, leaves the files it copied whole,
// the others untouched and no temporary behind, and says how far it got.
#include "CancellingProgress.h"
#include "SettingsTest.h"

#include "activation/DllFolderBackup.h"
#include "activation/ui/DllFolderBackupBoxes.h"
#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/SceneryTransfer.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/SceneryCopyBoxes.h"
#include "shell/Progress.h"

#include <QFileInfo>
#include <QMap>

#include <functional>

namespace {

constexpr int Files = 300;
constexpr int Done = 40;

struct Operation final {
    const char* name;
    QString source;      // below the test folder
    QString destination; // below the test folder
    QString extension;
    // Runs the copy; returns the line or the box text that reports the cancel.
    std::function<QString(const QString& root, Progress& progress)> run;
};

class CancelledCopyTest : public SettingsTest {};

TEST_F(CancelledCopyTest, CopyStopsBetweenTwoFilesAndSaysHowFarItGot) {
    const QList<Operation> operations = {
        {"installer", "src", "fly/scenery", ".pod",
         [](const QString& root, Progress& progress) {
             InstallRequest request;
             request.sourceFolder = root + "src";
             request.sourceList = ListInstallSource(request.sourceFolder);
             request.flyFolder = root + "fly/";
             request.destination = request.flyFolder + "scenery/";
             request.renameSources = false;
             QStringList log;
             EXPECT_TRUE(
                 InstallationBoxes(RunInstallation(
                                       request, [&log](const QString& line) { log << line; }, progress))
                     .ok());
             return log.last();
         }},
        {"scenery", "src", "dst", ".scf",
         [](const QString& root, Progress& progress) {
             SceneryCopyRequest request{root + "src", root + "dst", {}, SourceMode::SwitchOff};
             request.entries = ListSceneryFiles(request.sourceFolder, true, false);
             SceneryCopy copy(request);
             const SceneryCopy::Step step = copy.Continue(progress);
             EXPECT_TRUE(copy.Cancelled());
             EXPECT_FALSE(copy.Asking());
             return SceneryCopyBoxes(copy, step).text();
         }},
        {"DLL folder", "modules/pc", "modules/pc-save", ".dll",
         [](const QString& root, Progress& progress) {
             return DllFolderBackupBoxes(BackupDllFolder(root + "modules", progress)).text();
         }},
    };
    const QString texts[] = {
        "*** Installation cancelled after 40 of 300 files, the other 260 were not installed ***",
        QStringLiteral("Copie ANNULEE ! 40 fichiers sur 300 traités, les 260 autres sont inchangés."),
        QStringLiteral(
            "Sauvegarde répertoire DLL ANNULEE ! 40 fichiers sur 300 copiés, les 260 autres ne sont pas "
            "copiés.")};
    for (qsizetype op = 0; op < operations.size(); ++op) {
        const Operation& operation = operations[op];
        SCOPED_TRACE(operation.name);
        const QString root = QStringLiteral("op%1/").arg(op);
        QStringList sources;
        QMap<QString, QByteArray> contents;
        for (int file = 0; file < Files; ++file) {
            const QString name =
                QStringLiteral("f%1").arg(file, 3, 10, QLatin1Char('0')) + operation.extension;
            contents[name] = QByteArray(1000 + file, char('a' + file % 26));
            CreateFile(root + operation.source + '/' + name, contents[name]);
            sources << name;
        }
        CancellingProgress progress(Done);
        EXPECT_EQ(operation.run(Path(root), progress), texts[op]);

        EXPECT_EQ(progress.files_, Files);
        EXPECT_EQ(progress.bytes_, Files * 1000 + Files * (Files - 1) / 2);
        ASSERT_EQ(progress.steps.size(), Done + 1);
        QStringList copied;
        for (const QString& step : progress.steps.first(Done))
            copied << QFileInfo(step).fileName();
        copied.sort();
        EXPECT_EQ(FilesBelow(root + operation.destination), copied);
        for (const QString& name : copied)
            EXPECT_EQ(Read(root + operation.destination + '/' + name), contents[name]);
        QStringList left = FilesBelow(root + operation.source);
        for (const QString& name : copied)
            left.removeOne(name + (op == 1 ? ".notused" : ""));
        for (const QString& name : copied)
            sources.removeOne(name);
        EXPECT_EQ(left, sources);
    }
}

// The folders a cancelled copy made for the files it never copied go again.
TEST_F(CancelledCopyTest, FoldersMadeForFilesNotCopiedGoAgain) {
    for (const char* name : {"a.pod", "x/b.pod", "x/y/c.pod", "z/d.pod"})
        CreateFile(QStringLiteral("src/") + name, name);
    SceneryCopyRequest request{Path("src"), Path("dst"), {}, SourceMode::Keep};
    request.entries = ListSceneryFiles(request.sourceFolder, true, false);
    CancellingProgress progress(1);
    SceneryCopy copy(request);
    copy.Continue(progress);
    EXPECT_TRUE(copy.Cancelled());
    EXPECT_EQ(Tree("dst"), (QMap<QString, QByteArray>{{"a.pod", "a.pod"}}));
}

} // namespace
