// Profile files, and the switch on entries that may come from a profile.
#include "SettingsTest.h"

#include "activation/ActivationListing.h"
#include "activation/ActivationProfile.h"
#include "activation/ActivationSwitch.h"

#include <QDir>
#include <fstream>
#include <unistd.h>

namespace {

class ActivationProfileTest : public SettingsTest {};

TEST_F(ActivationProfileTest, SavedProfileListsActiveThenInactiveFiles) {
    CreateFile("modules/pc/a.dll");
    CreateFile("modules/pc/sub/b.dll");
    CreateFile("modules/pc/c.dll.notused");
    CreateFile("modules/scripts/s.py");
    ASSERT_TRUE(SaveProfile(Path("p.f2p"), Path("modules/pc"), Path("modules/scripts")));
    const QString pc = Path("modules/pc/");
    const QByteArray expected =
        "<DLL>\r\n" + QFile::encodeName(pc + "a.dll\r\n" + pc + "sub/b.dll\r\n" + pc + "c.dll.notused\r\n") +
        "</DLL>\r\n<PY>\r\n" + QFile::encodeName(Path("modules/scripts/s.py")) + "\r\n</PY>\r\n";
    EXPECT_EQ(Read("p.f2p"), expected);

    EXPECT_FALSE(SaveProfile(Path("q.f2p"), QString(), Path("modules/scripts")));
    EXPECT_FALSE(QFile::exists(Path("q.f2p")));
    ASSERT_TRUE(SaveProfile(Path("r.f2p"), Path("modules/pc"), QString()));
    EXPECT_TRUE(Read("r.f2p").endsWith("</DLL>\r\n<PY>\r\n</PY>\r\n"));
}

TEST_F(ActivationProfileTest, SectionsAreFoundByTheirMarkers) {
    const Result<ActivationProfile> full = ParseProfile(
        {"<DLL>", "/f/pc/a.dll", "/f/pc/b.dll.notused", "</DLL>", "<PY>", "/f/py/s.pyc", "</PY>"});
    ASSERT_TRUE(full && full->dlls && full->scripts);
    EXPECT_EQ(full->dlls->folder, "/f/pc/");
    EXPECT_EQ(full->dlls->entries, ActivationEntries({{"a.dll", true}, {"b.dll.notused", false}}));
    EXPECT_EQ(full->scripts->folder, "/f/py/");
    EXPECT_EQ(full->scripts->entries, ActivationEntries({{"s.pyc", true}}));

    const Result<ActivationProfile> noDlls = ParseProfile({"<DLL>", "</DLL>", "<PY>", "/f/py/s.py", "</PY>"});
    ASSERT_TRUE(noDlls && noDlls->dlls && noDlls->scripts);
    EXPECT_FALSE(noDlls->dlls->folder.has_value());
    EXPECT_TRUE(noDlls->dlls->entries.isEmpty());
    EXPECT_EQ(noDlls->scripts->entries, ActivationEntries({{"s.py", true}}));

    // Without "<DLL>" first, "<PY>" is looked for on the third line only.
    const Result<ActivationProfile> onlyPy = ParseProfile({"x", "y", "<PY>", "C:\\Fly2\\s.py", "</PY>"});
    ASSERT_TRUE(onlyPy && onlyPy->scripts);
    EXPECT_FALSE(onlyPy->dlls.has_value());
    EXPECT_EQ(onlyPy->scripts->folder, "C:\\Fly2\\");
    EXPECT_EQ(onlyPy->scripts->entries, ActivationEntries({{"s.py", true}}));

    const Result<ActivationProfile> emptyPy = ParseProfile({"<DLL>", "</DLL>", "<PY>", "</PY>"});
    ASSERT_TRUE(emptyPy && emptyPy->scripts);
    EXPECT_EQ(emptyPy->scripts->folder, "");
    EXPECT_FALSE(ParseProfile({"x", "y", "z"})->scripts.has_value());
}

TEST_F(ActivationProfileTest, UnreadableProfilesGiveNothing) {
    EXPECT_FALSE(ParseProfile({}));
    EXPECT_FALSE(ParseProfile({"<DLL>", "</DLL>"}));
    EXPECT_TRUE(ParseProfile({"<DLL>", "/f/a.dll", "</DLL>", "<PY>"}));
    EXPECT_FALSE(ParseProfile({"<DLL>", "/f/a.dll", "</DLL>"}));
    CreateFile("p.f2p", "<DLL>\r\n</DLL>\r\n<PY>\r\n</PY>\r\n");
    EXPECT_TRUE(LoadProfile(Path("p.f2p"), "/f/pc"));
    EXPECT_FALSE(LoadProfile(Path("p.f2p"), QString()));
    const Result<ActivationProfile> missing = LoadProfile(Path("missing.f2p"), "/f/pc");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().path, Path("missing.f2p"));
}

// A profile written elsewhere names folders that are not the list's own: nothing there is touched, and
// each file it would have renamed is told as refused.
TEST_F(ActivationProfileTest, EntriesOutsideTheListFolderAreLeftAlone) {
    CreateFile("modules/pc/a.dll");
    CreateFile("other/pc/a.dll");
    CreateFile("other/x.pod");
    const ActivationEntries off{{"a.dll", false}};
    const struct {
        ActivationList list;
        QStringList refused;
    } cases[] = {
        {{ActivationKind::Dll, Path("other/pc/"), Path("modules/pc"), off}, {Path("other/pc/a.dll")}},
        {{ActivationKind::Dll, Path("modules/pc/../../other/pc/"), Path("modules/pc"), off},
         {Path("modules/pc/../../other/pc/a.dll")}},
        {{ActivationKind::Dll, QString(), Path("modules/pc"), off}, {}},
        {{ActivationKind::Scenery, Path("modules"), Path("modules"), {{"../other/x.pod", false}}},
         {Path("modules/../other/x.pod")}},
    };
    for (const auto& c : cases) {
        const Tally switched = ApplyActivation(c.list);
        EXPECT_EQ(switched.made, 0) << c.list.folder.toStdString();
        QStringList refused;
        for (const Failure& failure : switched.failed)
            refused << failure.path;
        EXPECT_EQ(refused, c.refused) << c.list.folder.toStdString();
    }
    EXPECT_EQ(FilesBelow(""), QStringList({"modules/pc/a.dll", "other/pc/a.dll", "other/x.pod"}));
}

TEST_F(ActivationProfileTest, SwitchLooksAtFileNamesOnly) {
    CreateFile("old.notused/pc/a.dll");
    CreateFile("old.notused/pc/b.dll.notused");
    CreateFile("sc.pod/y.scf");
    EXPECT_EQ(ApplyActivation({ActivationKind::Dll,
                               Path("old.notused/pc/"),
                               Path("old.notused/pc"),
                               {{"a.dll", false}, {"b.dll.notused", true}}})
                  .made,
              2);
    EXPECT_EQ(FilesBelow("old.notused"), QStringList({"pc/a.dll.notused", "pc/b.dll"}));
    EXPECT_EQ(ApplyActivation({ActivationKind::Scenery, Path(""), Path(""), {{"sc.pod/y.scf", false}}}).made,
              1);
    EXPECT_EQ(FilesBelow("sc.pod"), QStringList({"y.scf.notused"}));
}

// Each switch is decided on the folder as the switches listed before it leave it: a file listed twice (in
// two cases) ends as its last line asks. A link to a DLL is switched; a folder named like one is not.
TEST_F(ActivationProfileTest, EachSwitchSeesTheSwitchesBeforeIt) {
    CreateFile("modules/pc/a.dll");
    CreateFile("modules/gps.bin");
    CreateDir("modules/pc/dir.dll");
    ASSERT_EQ(::symlink("../gps.bin", Path("modules/pc/gps.dll").toUtf8().constData()), 0);
    const ActivationEntries entries{{"a.dll", false}, {"A.DLL", true}, {"gps.dll", false}, {"dir.dll", false}};
    EXPECT_EQ(ApplyActivation({ActivationKind::Dll, Path("modules/pc/"), Path("modules/pc"), entries}).made,
              3);
    EXPECT_EQ(Entries("modules/pc"), QStringList({"A.DLL", "dir.dll", "gps.dll.notused"}));
}

// Names found in a folder are one name each, whatever they hold; the lists switch them where they lie.
TEST_F(ActivationProfileTest, ListedNamesWithBackslashesAndDrivesStayWhole) {
    CreateFile("modules/pc/a\\..\\..\\x.dll");
    CreateFile("modules/pc/C:\\gps.dll");
    CreateFile("modules/x.dll", "outside");
    CreateFile("scenery/a\\..\\..\\y.pod");
    CreateFile("y.pod", "outside");
    QString label;
    const ActivationEntries dlls = ListDllEntries(Path("modules/pc"), label);
    EXPECT_EQ(label, Path("modules/pc/"));
    EXPECT_EQ(dlls, ActivationEntries({{"a\\..\\..\\x.dll", true}, {"C:\\gps.dll", true}}));
    const ActivationEntries scenery = ListSceneryEntries(Path("scenery"));
    EXPECT_EQ(scenery, ActivationEntries({{"a\\..\\..\\y.pod", true}}));
    const ActivationEntries off{{"a\\..\\..\\x.dll", false}, {"C:\\gps.dll", false}};
    EXPECT_EQ(ApplyActivation({ActivationKind::Dll, label, Path("modules/pc"), off}).made, 2);
    EXPECT_EQ(ApplyActivation(
                  {ActivationKind::Scenery, Path("scenery"), Path("scenery"), {{"a\\..\\..\\y.pod", false}}})
                  .made,
              1);
    EXPECT_EQ(FilesBelow(""),
              QStringList({"modules/pc/C:\\gps.dll.notused", "modules/pc/a\\..\\..\\x.dll.notused",
                           "modules/x.dll", "scenery/a\\..\\..\\y.pod.notused", "y.pod"}));
}

// "Charger et appliquer profil" on profiles whose first DLL line, which names the folder, holds '\\', "..",
// '/' or a drive: only files inside the DLL folder are ever renamed.
TEST_F(ActivationProfileTest, ProfileFoldersNeverLeadOutOfTheDllFolder) {
    const QString pc = Path("modules/pc");
    const QStringList untouched{"a.dll", "pc/a.dll", "pc/a\\b.dll"};
    const struct {
        QString line;
        QStringList after;
    } cases[] = {
        {pc + "/a\\b.dll.notused", {"a.dll", "pc/a.dll", "pc/a\\b.dll.notused"}},
        {pc + "/a.dll.notused", {"a.dll", "pc/a.dll.notused", "pc/a\\b.dll"}},
        {pc + "/../a.dll.notused", untouched},
        {pc + "/sub/../../a.dll.notused", untouched},
        {"C:\\Fly2\\modules\\pc\\a.dll.notused", untouched},
        {"C:\\" + Path("modules\\a.dll.notused"), untouched},
    };
    for (const auto& c : cases) {
        QDir(Path("modules")).removeRecursively();
        CreateFile("modules/a.dll");
        CreateFile("modules/pc/a.dll");
        CreateFile("modules/pc/a\\b.dll");
        const Result<ActivationProfile> profile = ParseProfile({"<DLL>", c.line, "</DLL>", "<PY>", "</PY>"});
        ASSERT_TRUE(profile && profile->dlls && profile->dlls->folder) << c.line.toStdString();
        const Tally switched =
            ApplyActivation({ActivationKind::Dll, *profile->dlls->folder, pc, profile->dlls->entries});
        EXPECT_EQ(switched.made, c.after == untouched ? 0 : 1) << c.line.toStdString();
        EXPECT_EQ(FilesBelow("modules"), c.after) << c.line.toStdString();
    }
}

// A DLL whose name is not UTF-8 is saved in the profile byte for byte and found again when it is applied.
TEST_F(ActivationProfileTest, NamesThatAreNotUtf8RoundTripThroughAProfile) {
    CreateDir("modules/pc");
    const QByteArray pc = QFile::encodeName(Path("modules/pc/"));
    std::ofstream(pc + "r\xe9glage.dll") << "dll";
    ASSERT_TRUE(SaveProfile(Path("p.f2p"), Path("modules/pc"), QString()));
    EXPECT_EQ(Read("p.f2p"), "<DLL>\r\n" + pc + "r\xe9glage.dll\r\n</DLL>\r\n<PY>\r\n</PY>\r\n");
    const Result<ActivationProfile> profile = LoadProfile(Path("p.f2p"), Path("modules/pc"));
    ASSERT_TRUE(profile && profile->dlls && profile->dlls->folder);
    ASSERT_EQ(profile->dlls->entries.size(), 1);
    ActivationEntries entries = profile->dlls->entries;
    entries[0].checked = false;
    EXPECT_EQ(
        ApplyActivation({ActivationKind::Dll, *profile->dlls->folder, Path("modules/pc"), entries}).made, 1);
    EXPECT_EQ(::access(pc + "r\xe9glage.dll.notused", F_OK), 0);
}

} // namespace
