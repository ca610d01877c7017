#include "fs/FileUtils.h"
#include "TempFolderTest.h"
#include "fs/NativeFs.h"

#include <QDateTime>
#include <QRegularExpression>
#include <fstream>
#include <unistd.h>

namespace {

using FileUtilsTest = TempFolderTest;

TEST_F(FileUtilsTest, PathTextOperationsKeepTheirEdgeCases) {
    EXPECT_EQ(PathPos(".notused", "ABC.DLL.NOTUSED"), 8);
    EXPECT_EQ(PathPos("", "abc"), 0);
    EXPECT_EQ(ParentFolder("/Sim/"), "");
    EXPECT_EQ(ParentFolder("/Sim/Tools"), "/Sim/");
    EXPECT_EQ(ParentFolder("/Sim/Tools/"), "/Sim/");
    EXPECT_EQ(ParentFolder("fly2.exe"), "fly2.exe");
    EXPECT_EQ(FolderOfFile("/Sim/fly2.exe"), "/Sim");
    EXPECT_EQ(FolderOfFile("/fly2.exe"), "/");
    EXPECT_EQ(FolderOfFile("fly2.exe"), "");
    EXPECT_EQ(FolderOfFile("C:\\Fly2\\FLY2.EXE"), "C:\\Fly2");
    EXPECT_EQ(FolderOfFile("C:\\FLY2.EXE"), "C:\\");
    EXPECT_EQ(RelativeTo("/Sim/scenery/a/b.pod", "/Sim/scenery"), "a/b.pod");
    EXPECT_EQ(RelativeTo("/Sim/sceneryX/b.pod", "/Sim/scenery"), "");
    EXPECT_EQ(RelativeTo("/Sim/scenery/b.pod", ""), "");
    EXPECT_EQ(WithBackslash(""), "");
}

TEST_F(FileUtilsTest, NotUsedNamesCutAtTheFirstSuffixInAnyCase) {
    bool kind = false;
    EXPECT_EQ(ToggleNotUsed("a.dll.notused.old", ".dll"), "a.dll");
    EXPECT_EQ(ToggleNotUsed("GPS.DLL", ".dll", &kind), "GPS.DLL.notused");
    EXPECT_EQ(ActiveName("GPS.DLL.NOTUSED", ".dll", &kind), "GPS.DLL");
    EXPECT_TRUE(kind);
    EXPECT_EQ(InactiveName("x.pyc.notused", ".pyc", &kind), "x.pyc.notused");
    EXPECT_TRUE(kind);
    EXPECT_EQ(ActiveName("readme.txt", ".dll", &kind), "readme.txt");
    EXPECT_FALSE(kind);
}

TEST_F(FileUtilsTest, PathsResolveWithoutRegardToCase) {
    const QString ini = CreateFile("Fly2/System/Fly.ini");
    EXPECT_EQ(ResolvePath(Path("Fly2/SYSTEM/FLY.INI")), ini);
    EXPECT_EQ(ResolvePath(Path("FLY2/system/new/x.txt")), Path("Fly2/System/new/x.txt"));
    EXPECT_EQ(ResolvePath(Path("fly2/system/")), Path("Fly2/System/"));
    EXPECT_TRUE(FileExists(Path("FLY2/system/fly.INI")));
    EXPECT_FALSE(FolderExists(Path("FLY2/system/fly.INI")));
    EXPECT_TRUE(FolderExists(Path("fly2/SYSTEM")));
    EXPECT_FALSE(FileExists(""));
}

// A name found in a folder is one name, whatever it holds; only a whole Windows path is split at '\\'.
TEST_F(FileUtilsTest, BackslashesSplitOnlyWindowsPaths) {
    const QString odd = CreateFile("Fly2/a\\..\\..\\x.pod");
    CreateFile("x.pod", "outside");
    EXPECT_EQ(ResolvePath(Path("FLY2/a\\..\\..\\x.pod")), odd);
    EXPECT_EQ(ResolvePath(Path("fly2\\x.pod")), Path("fly2\\x.pod"));
    EXPECT_TRUE(CopyFileOver(odd, Path("Fly2/C:\\x.pod")));
    EXPECT_EQ(Entries("Fly2"), QStringList({"C:\\x.pod", "a\\..\\..\\x.pod"}));
    EXPECT_EQ(Read("x.pod"), "outside");
    for (const char* windows : {"C:\\Fly2\\FLY2.EXE", "c:/fly2", "D:\\"})
        EXPECT_TRUE(IsWindowsPath(windows)) << windows;
    for (const char* native : {"/C:\\Fly2", "C:", "C:x", "1:\\x", "a\\b"})
        EXPECT_FALSE(IsWindowsPath(native)) << native;
}

TEST_F(FileUtilsTest, LiesInsideFollowsTheFoldersOnTheWayOnly) {
    CreateDir("Fly2/scenery/a");
    CreateFile("victim.pod", "victim");
    CreateDir("elsewhere");
    const QString f = Path("Fly2/scenery/");
    ASSERT_TRUE(QFile::link(Path("elsewhere"), f + "out"));
    ASSERT_TRUE(QFile::link(Path("victim.pod"), f + "out.pod"));
    const struct {
        QString path;
        bool inside;
    } cases[] = {{f + "x.pod", true},
                 {f + "a\\..\\..\\x.pod", true},
                 {f + "C:\\x.pod", true},
                 {f + "a/../x.pod", true},
                 {f + "../scenery/a/x.pod", true},
                 {Path("FLY2/SCENERY/x.pod"), true},
                 {f + "out.pod", true},
                 {f + "a/../../x.pod", false},
                 {f + "out/x.pod", false},
                 {Path("Fly2/sceneryX/x.pod"), false},
                 {f + "..", false},
                 {f + ".", false},
                 {f, false},
                 {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(LiesInside(c.path, Path("Fly2/scenery")), c.inside) << c.path.toStdString();
    EXPECT_EQ(WriteTarget(f + "out.pod"), QFileInfo(Path("victim.pod")).canonicalFilePath());

    // The confined operations refuse such targets and change nothing.
    const QString pod = CreateFile("Fly2/scenery/x.pod", "x");
    EXPECT_FALSE(CopyFileMakingFolders(pod, f + "out.pod", f));
    EXPECT_FALSE(CopyFileMakingFolders(pod, f + "a/../../new/x.pod", f));
    EXPECT_FALSE(RenameNoReplace(pod, f + "../x.pod", f));
    EXPECT_FALSE(RemoveFile(f + "../../victim.pod", f));
    EXPECT_FALSE(RemoveFile(f + "out/../victim.pod", f));
    EXPECT_EQ(Read("victim.pod"), "victim");
    EXPECT_EQ(Entries("Fly2"), QStringList({"scenery"}));
    EXPECT_TRUE(CopyFileMakingFolders(pod, f + "a/b/x.pod", f));
    EXPECT_TRUE(RenameNoReplace(f + "a/b/x.pod", f + "a/b/x.pod.notused", f));
    EXPECT_TRUE(RemoveFile(f + "a/b/x.pod.notused", f));
}

TEST_F(FileUtilsTest, RenameNoReplaceNeverOverwrites) {
    const QString a = CreateFile("pc/a.dll", "a");
    CreateFile("pc/B.DLL", "b");
    EXPECT_FALSE(RenameNoReplace(a, Path("pc/b.dll")));
    EXPECT_EQ(ReadFile(a), "a");
    EXPECT_EQ(ReadFile(Path("pc/B.DLL")), "b");
    EXPECT_TRUE(RenameNoReplace(Path("PC/A.DLL"), Path("pc/a.dll.notused")));
    EXPECT_EQ(Entries("pc"), QStringList({"B.DLL", "a.dll.notused"}));
    // A change of case only renames the entry itself.
    EXPECT_TRUE(RenameNoReplace(Path("pc/B.DLL"), Path("pc/b.dll")));
    EXPECT_EQ(Entries("pc"), QStringList({"a.dll.notused", "b.dll"}));
    EXPECT_FALSE(RenameNoReplace(Path("pc/missing"), Path("pc/other")));
    CreateDir("data");
    CreateDir("data-save");
    EXPECT_FALSE(RenameNoReplace(Path("data"), Path("DATA-SAVE")));
}

TEST_F(FileUtilsTest, WriteFileAtomicReplacesTheEntryOfAnyCase) {
    const QString ini = CreateFile("System/Fly.ini", "old");
    EXPECT_TRUE(WriteFileAtomic(Path("system/FLY.INI"), "new\r\n"));
    EXPECT_EQ(ReadFile(ini), "new\r\n");
    EXPECT_EQ(Entries("System"), QStringList({"Fly.ini"}));
    EXPECT_EQ(ReadWholeFile(Path("SYSTEM/fly.ini")).value_or("<none>"), "new\r\n");
    const Result<QByteArray> folder = ReadWholeFile(Path("System"));
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.failure().path, Path("System"));
    EXPECT_EQ(folder.failure().reason, "Is a directory");
    EXPECT_FALSE(WriteFileAtomic(Path("nofolder/x.ini"), "x"));
}

TEST_F(FileUtilsTest, WriteFileAtomicLeavesTheOldFileInAReadOnlyFolder) {
    const QString ini = CreateFile("ro/fly.ini", "old");
    QFile::setPermissions(Path("ro"), QFile::ReadOwner | QFile::ExeOwner);
    if (::access(QFile::encodeName(Path("ro")).constData(), W_OK) == 0) {
        QFile::setPermissions(Path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permissions don't bind this user";
    }
    EXPECT_FALSE(WriteFileAtomic(ini, "new"));
    QFile::setPermissions(Path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadFile(ini), "old");
    EXPECT_EQ(Entries("ro"), QStringList({"fly.ini"}));
}

TEST_F(FileUtilsTest, CopyFileOverFailsWithoutHarm) {
    const QString key = CreateFile("system/default.key", QByteArray("k\0ey\r\n", 6));
    EXPECT_TRUE(CopyFileOver(Path("SYSTEM/DEFAULT.KEY"), Path("system/copy.key")));
    EXPECT_EQ(ReadFile(Path("system/copy.key")), QByteArray("k\0ey\r\n", 6));
    EXPECT_FALSE(CopyFileOver(Path("system/missing.key"), Path("system/copy2.key")));
    EXPECT_FALSE(QFile::exists(Path("system/copy2.key")));
    EXPECT_FALSE(CopyFileOver(key, Path("nofolder/copy.key")));
    EXPECT_FALSE(CopyFileOver(Path("system"), Path("copy")));
    // Copying a file onto itself (in another case) must not empty it.
    EXPECT_FALSE(CopyFileOver(key, Path("System/Default.KEY")));
    EXPECT_EQ(ReadFile(key), QByteArray("k\0ey\r\n", 6));
    EXPECT_TRUE(CopyFileMakingFolders(key, Path("a/b/c.key"), Path("")));
    EXPECT_EQ(ReadFile(Path("a/b/c.key")), QByteArray("k\0ey\r\n", 6));
}

TEST_F(FileUtilsTest, MakeFolderChainCreatesEachMissingLevelOnce) {
    CreateDir("sim/Modules");
    EXPECT_TRUE(MakeFolderChain(Path("sim/"), "modules/pc/"));
    EXPECT_EQ(Entries("sim"), QStringList({"Modules"}));
    EXPECT_EQ(Entries("sim/Modules"), QStringList({"pc"}));
    EXPECT_TRUE(MakeFolderChain(Path("sim"), "modules/pc"));
    EXPECT_TRUE(MakeFolderChain("", Path("x/y")));
    EXPECT_TRUE(QFileInfo(Path("x/y")).isDir());
    CreateFile("sim/blocked");
    const Done blocked = MakeFolderChain(Path("sim"), "blocked/pc");
    ASSERT_FALSE(blocked);
    EXPECT_TRUE(blocked.failure().folderNotMade);
    // A copy below a folder that can't be made fails naming its target, marked the same; a copy that
    // fails for another reason is not, and makes no folder.
    const Done copy = CopyFileMakingFolders(CreateFile("k.key"), Path("sim/blocked/pc/k.key"), Path("sim"));
    ASSERT_FALSE(copy);
    EXPECT_EQ(copy.failure().path, Path("sim/blocked/pc/k.key"));
    EXPECT_TRUE(copy.failure().folderNotMade);
    const Done missing = CopyFileMakingFolders(Path("missing.key"), Path("sim/new/k.key"), Path("sim"));
    ASSERT_FALSE(missing);
    EXPECT_FALSE(missing.failure().folderNotMade);
    EXPECT_FALSE(QFileInfo::exists(Path("sim/new")));
}

TEST_F(FileUtilsTest, DatedBackupNameAndSameSecondOverwrite) {
    const QString ini = CreateFile("system/fly.ini", "first");
    for (int attempt = 0; attempt < 5; ++attempt) {
        const QString before = QDateTime::currentDateTime().toString("ddMMyyHHmmss");
        EXPECT_TRUE(MakeDatedBackup(ini));
        CreateFile("system/fly.ini", "second");
        EXPECT_TRUE(MakeDatedBackup(ini));
        if (QDateTime::currentDateTime().toString("ddMMyyHHmmss") != before) {
            for (const QString& name : Entries("system"))
                if (name != "fly.ini")
                    QFile::remove(Path("system/" + name));
            CreateFile("system/fly.ini", "first");
            continue;
        }
        EXPECT_EQ(Entries("system"), QStringList({"fly.ini", "fly.ini" + before + ".BAK"}));
        EXPECT_EQ(ReadFile(Path("system/fly.ini" + before + ".BAK")), "second");
        break;
    }
    EXPECT_TRUE(MakeDatedBackup(Path("system/missing.ini")));
}

TEST_F(FileUtilsTest, FailedDatedBackupIsReported) {
    const QString ini = CreateFile("fly.ini");
    // Folders in the way of the backup names of the next seconds make the copy fail.
    const QDateTime now = QDateTime::currentDateTime();
    for (int s = 0; s < 4; ++s)
        CreateDir("fly.ini" + now.addSecs(s).toString("ddMMyyHHmmss") + ".BAK");
    EXPECT_FALSE(MakeDatedBackup(ini));
}

TEST_F(FileUtilsTest, ShellRenameAndDeleteWorkOnFoldersOnly) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(CreateDir("trash-home")));
    CreateFile("data/a.tms", "data");
    CreateFile("data-save/a.tms", "saved");
    EXPECT_FALSE(ShellRename(Path("data"), Path("Data-Save")));
    EXPECT_EQ(ReadFile(Path("data-save/a.tms")), "saved");
    EXPECT_TRUE(ShellRename(Path("DATA"), Path("data$$$")));
    EXPECT_EQ(ReadFile(Path("data$$$/a.tms")), "data");
    const QString file = CreateFile("plain.txt");
    EXPECT_FALSE(ShellDelete(file));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(ShellFileOp("ERASE", false, true, true, false, Path("data$$$"), ""));
    EXPECT_TRUE(ShellFileOp("copy", false, true, true, false, Path("data$$$"), Path("data-save")));
    EXPECT_EQ(ReadFile(Path("data-save/data$$$/a.tms")), "data");
    EXPECT_TRUE(ShellFileOp("Move", false, true, true, false, Path("data-save/data$$$"), Path("moved")));
    EXPECT_EQ(ReadFile(Path("moved/a.tms")), "data");
    EXPECT_TRUE(ShellDelete(Path("data$$$")));
    EXPECT_FALSE(QFile::exists(Path("data$$$")));
    EXPECT_EQ(ReadFile(Path("trash-home/Trash/files/data$$$/a.tms")), "data");
    // Without a desktop data folder there is no trash: the folder is deleted for good, nothing is
    // "trashed" into the current folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(Path("no-desktop")));
    const QString current = QDir::currentPath();
    QDir::setCurrent(CreateDir("cwd"));
    EXPECT_TRUE(ShellDelete(Path("data-save")));
    QDir::setCurrent(current);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(QFile::exists(Path("data-save")));
    EXPECT_TRUE(Entries("cwd").isEmpty());
}

TEST_F(FileUtilsTest, ListingsMatchMasksWithoutRegardToCase) {
    CreateFile("pc/A.DLL");
    CreateFile("pc/b.dll");
    CreateFile("pc/c.dll.notused");
    CreateFile("pc/.hidden.dll");
    CreateFile("pc/x.dll/inner.dll");
    CreateFile("pc/sub/deep.DLL");
    CreateFile("pc/my scenery.dll");
    QStringList all;
    ListFilesAndFolders(Path("pc"), "*.dll", all, false);
    EXPECT_EQ(all,
              QStringList({Path("pc/A.DLL"), Path("pc/b.dll"), Path("pc/my scenery.dll"), Path("pc/x.dll")}));
    QStringList files;
    ListFiles(Path("pc/"), "my sc*", files, false);
    EXPECT_EQ(files, QStringList({Path("pc/my scenery.dll")}));
    files.clear();
    ListFiles(Path("pc/"), "*.dll", files, true);
    EXPECT_EQ(files, QStringList({Path("pc/A.DLL"), Path("pc/b.dll"), Path("pc/my scenery.dll"),
                                  Path("pc/sub/deep.DLL"), Path("pc/x.dll/inner.dll")}));
    QStringList names;
    ListNames(Path("PC"), "*.*", names);
    EXPECT_EQ(names, QStringList({"A.DLL", "b.dll", "c.dll.notused", "my scenery.dll"}));
}

TEST_F(FileUtilsTest, ListFilesRoundTripWithCrLf) {
    const QStringList lines{"GPS.DLL", "", "scénario.py"};
    EXPECT_TRUE(SaveListToFile(Path("p.f2p"), lines));
    EXPECT_EQ(ReadFile(Path("p.f2p")), "GPS.DLL\r\n\r\nsc\xc3\xa9nario.py\r\n");
    // Lines in a Windows code page come back byte for byte.
    const QByteArray ansi = "r\xe9glage pr\xe9vu\r\nC:\\Fly2\\sc\xe8nes\\\r\n";
    const Result<QStringList> read = LoadListFromFile(CreateFile("ansi.txt", ansi));
    ASSERT_TRUE(read);
    EXPECT_TRUE(SaveListToFile(Path("ansi.txt"), *read));
    EXPECT_EQ(Read("ansi.txt"), ansi);
    EXPECT_EQ(LoadListFromFile(Path("P.F2P")).value_or({"<unread>"}), lines);
    CreateFile("unix.txt", "a\nb\rc");
    EXPECT_EQ(LoadListFromFile(Path("unix.txt")).value_or({"<unread>"}), QStringList({"a", "b", "c"}));
    EXPECT_FALSE(SaveListToFile("", lines));
    EXPECT_FALSE(LoadListFromFile(""));
    const Result<QStringList> missing = LoadListFromFile(Path("missing.txt"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().path, Path("missing.txt"));
    EXPECT_EQ(missing.failure().reason, QString::fromUtf8("Aucun fichier ou dossier de ce nom"));
}

// Names that are not UTF-8 (a folder unpacked from a Windows archive) are found, opened and renamed.
TEST_F(FileUtilsTest, NamesThatAreNotUtf8RoundTripThroughListings) {
    CreateDir("pc");
    const QByteArray folder = QFile::encodeName(Path("pc/"));
    std::ofstream(folder + "r\xe9glage.dll") << "dll";
    QStringList names;
    ListNames(Path("pc"), "*.DLL", names);
    ASSERT_EQ(names.size(), 1);
    const QString found = Path("pc/") + names[0];
    EXPECT_TRUE(FileExists(found));
    EXPECT_EQ(ReadWholeFile(found).value_or("<none>"), "dll");
    EXPECT_TRUE(CopyFileOver(found, found + ".copy"));
    EXPECT_TRUE(RenameNoReplace(found, found + ".notused", Path("pc")));
    EXPECT_EQ(::access(folder + "r\xe9glage.dll.notused", F_OK), 0);
    EXPECT_EQ(::access(folder + "r\xe9glage.dll.copy", F_OK), 0);
}

} // namespace
