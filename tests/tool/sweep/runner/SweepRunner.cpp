// One journaled operation of flykestrel in a process of its own, run as its window runs it, so that the
// kill sweep can kill it before each of its disk changes:
//   tool_sweep_runner OPERATION FLY ADDON WORK
// FLY is the simulator folder, ADDON the add-on source folder, WORK holds the profile, the tool's own files
// and the importer. "move" copies the sceneries deleting their sources, "copy" switching them off; "remove"
// removes the first add-on of the library; "zip" installs the add-on from its archive "MyScenery.zip". Exit status 0 when the operation did all it was asked, 1 when
// it failed, 2 for a command line it doesn't know.
#include "activation/ActivationListing.h"
#include "activation/ActivationProfile.h"
#include "activation/ActivationSwitch.h"
#include "fs/FileUtils.h"
#include "initune/FlyIniTuning.h"
#include "initune/IniSaving.h"
#include "install/AddonInstall.h"
#include "install/AddonRemoval.h"
#include "install/DataFolderSave.h"
#include "install/SceneryTransfer.h"
#include "journal/JournalScope.h"
#include "shell/Progress.h"
#include "shell/SimulatorPrefix.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

struct Folders final {
    QString fly; // with trailing '/'
    QString addon;
    QString work;
};

// One list's OK after the profile filled it: sorted as the window shows it, under the window's own scope.
// False when a rename failed.
bool ApplySection(const Folders& f, ActivationKind kind, const std::optional<ProfileSection>& section,
                  const QString& root) {
    if (!section)
        return true;
    ActivationEntries entries = section->entries;
    SortEntries(entries);
    const JournalScope journal(f.fly, ActivationName(kind));
    return ApplyActivation({kind, section->folder.value_or(WithBackslash(root)), root, entries})
        .failed.isEmpty();
}

bool ApplyProfile(const Folders& f) {
    const QString dlls = f.fly + QStringLiteral("modules/pc");
    const QString scripts = f.fly + QStringLiteral("modules/scripts/global");
    const JournalScope journal(f.fly, QStringLiteral("Charger et appliquer profil"));
    const Result<ActivationProfile> profile = LoadProfile(f.work + QStringLiteral("/profile.f2p"), dlls);
    if (!profile)
        return false;
    const bool dllsSwitched = ApplySection(f, ActivationKind::Dll, profile->dlls, dlls);
    const bool scriptsSwitched = ApplySection(f, ActivationKind::Script, profile->scripts, scripts);
    return dllsSwitched && scriptsSwitched;
}

// From the add-on folder, or from the archive in it ("zip").
bool Install(const Folders& f, InstallType type, const QString& archive = {}) {
    InstallRequest request;
    request.type = type;
    request.sourceFolder = archive.isEmpty() ? f.addon : f.addon + '/' + archive;
    request.sourceList = ListInstallSource(request.sourceFolder);
    request.destination = f.fly + QStringLiteral("scenery/");
    request.flyFolder = f.fly;
    request.renameSources = true;
    request.pauseOnError = false;
    request.importer = f.work + QStringLiteral("/importer");
    bool failed = false;
    const JournalScope journal(request.flyFolder, InstallationName(request.type));
    const Result<AddonInstall> ran = RunInstallation(request, [&failed](const QString& line) {
        failed = failed || line.startsWith(QLatin1String("FAILED"));
    });
    return ran && ran->foldersNotMade.isEmpty() && !ran->dexFolderNotMade && !failed;
}

// A folder that a step of the copy couldn't make is a failure.
bool OnlyAsks(const SceneryCopy::Step& said) {
    return said.foldersNotMade.isEmpty();
}

// Every deletion the copy asks about is answered yes; without deletions the copy asks nothing.
bool CopySceneries(const Folders& f, SourceMode mode) {
    const SceneryCopyRequest request{f.addon, f.fly + QStringLiteral("scenery"),
                                     ListSceneryFiles(f.addon, true, false), mode};
    const JournalScope journal(f.fly, QString::fromUtf8("Déplacement [scènes]"));
    SceneryCopy copy(request);
    bool quiet = OnlyAsks(copy.Continue(NoProgress()));
    while (copy.Asking()) {
        copy.Answer(true);
        quiet = OnlyAsks(copy.Continue(NoProgress())) && quiet;
    }
    return quiet && !copy.Cancelled() && copy.Failed().isEmpty();
}

// The recommendations (from WORK) are loaded and applied before the save, as the window does in two clicks.
bool SaveFlyIni(const Folders& f) {
    IniGrid grid;
    if (!LoadFlyIni(grid, f.fly + QStringLiteral("system/fly.ini"), f.work).value_or(false))
        return false;
    ApplyRecommendations(grid);
    const JournalScope journal(f.fly, QStringLiteral("Enregistrer fly.ini"));
    const Result<Done> saved = SaveIni(grid);
    return saved && *saved;
}

bool SaveData(const Folders& f) {
    const JournalScope journal(f.fly, QStringLiteral("Enregistrement auto. [DATA]"));
    return SaveDataFolder(f.fly + QStringLiteral("FLY2.EXE")).failed.isEmpty();
}

// The first add-on of the library removed, as its window does it once the user said yes.
bool RemoveFirstAddon(const Folders& f) {
    AddonLibrary library(f.fly);
    if (!library.Load() || library.addons.isEmpty())
        return false;
    const RemovalPlan plan = PlanRemoval(library, 0);
    const RemovalReport removed = RemoveAddon(
        f.fly, plan, true, [](const QString&) {}, NoProgress());
    return removed.end == RemovalReport::End::Removed && removed.notChanged.isEmpty() && removed.saved;
}

const QMap<QString, std::function<bool(const Folders&)>> Operations = {
    {QStringLiteral("profile"), ApplyProfile},
    {QStringLiteral("install"), [](const Folders& f) { return Install(f, InstallType::Scenery); }},
    {QStringLiteral("zip"),
     [](const Folders& f) { return Install(f, InstallType::Scenery, QStringLiteral("MyScenery.zip")); }},
    {QStringLiteral("move"), [](const Folders& f) { return CopySceneries(f, SourceMode::Delete); }},
    {QStringLiteral("copy"), [](const Folders& f) { return CopySceneries(f, SourceMode::SwitchOff); }},
    {QStringLiteral("flyini"), SaveFlyIni},
    {QStringLiteral("data"), SaveData},
    {QStringLiteral("dex"), [](const Folders& f) { return Install(f, InstallType::Dex); }},
    {QStringLiteral("remove"), RemoveFirstAddon},
};

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    ResolveWindowsPathsThroughSimulator();
    const QStringList args = QCoreApplication::arguments();
    const auto operation = args.size() == 5 ? Operations.find(args[1]) : Operations.end();
    if (operation == Operations.end())
        return 2;
    return (*operation)({WithBackslash(args[2]), args[3], args[4]}) ? 0 : 1;
}
