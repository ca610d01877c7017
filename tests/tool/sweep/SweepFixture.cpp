#include "SweepFixture.h"

#include "ArchiveFixtures.h"
#include "Mkfly2.h"
#include "UndoNewest.h"

#include "activation/ActivationProfile.h"
#include "install/AddonInstall.h"
#include "journal/JournalScope.h"
#include "journal/ChangeJournal.h"

#include <QDir>
#include <QFile>

namespace {

int FromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

int ExtraFiles() {
    return FromEnvironment("FLYKESTREL_SWEEP_FILES", 2);
}

QByteArray LargeContents() {
    QByteArray bytes(qsizetype(FromEnvironment("FLYKESTREL_SWEEP_MIB", 1)) << 20, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 131) >> 7);
    return bytes;
}

// Stands in for the importer: once "go" is there, the first run keeps the archive as NAVAID.TRI, each run
// packs a new archive through a temporary and adds to the loose table in place; the first run leaves a
// loose index, which the next one removes. It outlives a killed tool: the output it can no longer write
// is dropped. A test that ended without "go" takes its folder away, and the stand-in goes with it.
const char* const StandInScript = R"(#!/bin/sh
trap '' PIPE
marks='%1'
: > "$marks/started"
while [ ! -e "$marks/go" ]; do [ -d "$marks" ] || exit 9; sleep 0.05; done
cd "$5/system" || exit 3
[ -e NAVAID.TRI ] || cp NAVAID.POD NAVAID.TRI || exit 4
{ cat NAVAID.POD; echo "$1"; } > NAVAID.TMP && mv NAVAID.TMP NAVAID.POD || exit 5
mkdir -p ../DATABASE && echo "$1" >> ../DATABASE/NAVAID.DBD || exit 6
if [ -e ../DATABASE/NAVAID.DBI ]; then rm ../DATABASE/NAVAID.DBI; else echo "$1" > ../DATABASE/NAVAID.DBI; fi || exit 7
echo "Database merge successful!"
: > "$marks/done"
)";

} // namespace

void SweepFixture::SetUp() {
    SettingsTest::SetUp();
    ASSERT_TRUE(MakeFly2Installation(Path("Fly2"), {QStringLiteral("--records"), QStringLiteral("12")}));
    fly_ = Path("Fly2/");
    CreateDir("addon");
    CreateDir("work");
}

void SweepFixture::Prepare(const QString& operation) {
    static const QMap<QString, void (SweepFixture::*)()> preparations = {
        {QStringLiteral("profile"), &SweepFixture::PrepareProfile},
        {QStringLiteral("install"), &SweepFixture::PrepareSceneries},
        {QStringLiteral("zip"), &SweepFixture::PrepareArchive},
        {QStringLiteral("move"), &SweepFixture::PrepareSceneries},
        {QStringLiteral("copy"), &SweepFixture::PrepareSceneries},
        {QStringLiteral("flyini"), &SweepFixture::PrepareFlyIni},
        {QStringLiteral("data"), &SweepFixture::PrepareData},
        {QStringLiteral("dex"), &SweepFixture::PrepareDex},
        {QStringLiteral("remove"), &SweepFixture::PrepareRemoval},
    };
    ASSERT_TRUE(preparations.contains(operation)) << operation.toStdString();
    (this->*preparations.value(operation))();
}

// A profile that switches every DLL and script the other way.
void SweepFixture::PrepareProfile() {
    for (int i = 0; i < ExtraFiles(); ++i)
        CreateFile(QStringLiteral("Fly2/modules/pc/extra%1.dll").arg(i), "plug-in");
    QStringList lines = BuildProfile(fly_ + "modules/pc", fly_ + "modules/scripts/global");
    for (QString& line : lines)
        if (!line.startsWith('<'))
            line = line.endsWith(QLatin1String(".notused")) ? line.chopped(8)
                                                            : line + QStringLiteral(".notused");
    CreateFile("work/profile.f2p", lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
}

// A large file, one that replaces a scenery file of another case, one in a sub-folder, and a hidden one
// that stays where it is.
void SweepFixture::PrepareSceneries() {
    CreateFile("addon/Large.POD", LargeContents());
    CreateFile("addon/Coast.POD", "new coast");
    CreateFile("addon/sub/Deep.scf", "deep");
    CreateFile("addon/.hidden.pod", "hidden");
    for (int i = 0; i < ExtraFiles(); ++i)
        CreateFile(QStringLiteral("addon/Extra%1.scf").arg(i), QByteArray::number(i));
}

// The same add-on as an archive downloaded into the add-on folder: one top folder holding the files.
void SweepFixture::PrepareArchive() {
    QList<FixtureEntry> entries{File("MyScenery/Large.POD", LargeContents()), File("MyScenery/Coast.POD", "new coast"),
                                File("MyScenery/road.bgr", "road"), File("MyScenery/sub/Deep.scf", "deep")};
    for (int i = 0; i < ExtraFiles(); ++i)
        entries << File(QStringLiteral("MyScenery/Extra%1.scf").arg(i).toUtf8(), QByteArray::number(i));
    CreateFile("addon/MyScenery.zip", WrittenArchive("zip", entries));
}

// Recommendations that change a value and add a line.
void SweepFixture::PrepareFlyIni() {
    CreateFile("work/flyinirec.txt", "lightIntensityTaxiway=0.070000\r\nnullzone=5\r\nsweepAdded=1\r\n");
}

// A put-aside copy from before is in the way and goes aside first.
void SweepFixture::PrepareData() {
    CreateFile("Fly2/data-save/old.tms", "older");
}

// Two DEX files, so that the second import finds what the first one left.
// The stand-in works on the navaids alone: the other archives would only repeat the kills of their keeping.
void SweepFixture::PrepareDex() {
    for (const QString& archive : QDir(Path("Fly2/system")).entryList({"*.POD"})) {
        if (archive != "NAVAID.POD") {
            ASSERT_TRUE(QFile::remove(Path("Fly2/system/" + archive)));
        }
    }
    const QByteArray dex = Read("Fly2/dex/ADD_AIRPORT.DEX");
    CreateFile("addon/UPDATE.DEX", dex);
    CreateFile("addon/MORE.DEX", dex);
    CreateFile("work/importer", QString::fromLatin1(StandInScript).arg(Path("work")).toUtf8());
    ASSERT_TRUE(QFile::setPermissions(StandIn(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// Add-on A replaces an original scenery file and makes two files of its own, one of which add-on B covers.
void SweepFixture::PrepareRemoval() {
    CreateFile("addon/A/alps.pod", "A's alps");
    CreateFile("addon/A/shared.pod", "A's shared");
    CreateFile("addon/A/road.bgr", LargeContents());
    CreateFile("addon/B/shared.pod", "B's shared");
    for (const QString name : {"A", "B"}) {
        InstallRequest request;
        request.sourceFolder = Path("addon/" + name);
        request.sourceList = ListInstallSource(request.sourceFolder);
        request.destination = fly_ + QStringLiteral("scenery/");
        request.flyFolder = fly_;
        request.renameSources = false;
        const JournalScope journal(fly_, InstallationName(request.type));
        const Result<AddonInstall> ran = RunInstallation(request, [](const QString&) {});
        ASSERT_TRUE(ran && ran->foldersNotMade.isEmpty() && !ran->dexFolderNotMade);
    }
}

std::vector<std::string> SweepFixture::Arguments(const QString& operation) const {
    return {operation.toStdString(), fly_.toStdString(), Path("addon").toStdString(),
            Path("work").toStdString()};
}

QMap<QString, QByteArray> SweepFixture::State() const {
    return Trees({QStringLiteral("Fly2"), QStringLiteral("addon")});
}

QStringList SweepFixture::JournalFiles() const {
    return QDir(ChangeJournal(fly_).Folder())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

UndoReport SweepFixture::UndoAll() const {
    ChangeJournal journal(fly_);
    const qsizetype entries = journal.Entries().size();
    return entries == 0 ? UndoReport{} : UndoNewest(journal, int(entries));
}
