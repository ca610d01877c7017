#include "TempFolderTest.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using NameLookupTest = TempFolderTest;

// Raw names, so that names which are not UTF-8 can be made too; all changes here bypass the tool.
void Make(const QString& path) {
    std::ofstream(ToNative(path).constData()) << "x";
}

struct Resolution {
    QStringList entries;
    QString asked;
    QString found;
};

TEST_F(NameLookupTest, ANameResolvesToTheFirstEntryOfItsAsciiCaseInNameOrder) {
    const QString latin1 = FromNative("r\xe9GLAGE.DLL");
    const Resolution table[] = {
        {{"Fly.ini"}, "FLY.INI", "Fly.ini"},
        {{"abc", "ABC"}, "abc", "abc"},
        {{"abc", "Abc", "ABC"}, "aBc", "ABC"},
        {{"b.dll", "B.DLL.notused"}, "b.dll.NOTUSED", "B.DLL.notused"},
        {{"\u00c9t\u00e9.pod"}, "\u00e9t\u00e9.pod", "\u00e9t\u00e9.pod"},
        {{"a[b"}, "A{B", "A{B"},
        {{"ab"}, "abc", "abc"},
        {{latin1}, FromNative("r\xe9glage.dll"), latin1},
    };
    int row = 0;
    for (const Resolution& r : table) {
        const QString folder = CreateDir(QString::number(++row)) + '/';
        for (const QString& entry : r.entries)
            Make(folder + entry);
        // The second answer comes from the folder's index; a doubled slash takes the search part by part.
        for (const QString& asked : {folder + r.asked, folder + r.asked, folder + '/' + r.asked}) {
            const ResolvedPath resolved = Resolve(asked);
            EXPECT_EQ(resolved.onDisk, folder + r.found) << row << ' ' << asked.toStdString();
            EXPECT_EQ(resolved.found, r.entries.contains(r.found)) << row << ' ' << asked.toStdString();
        }
    }
}

struct Step {
    std::function<void(const QString& folder)> change;
    QString asked;
    QString found;
};

// Each change is asked about at once, within the same tick of the folder's time stamps.
TEST_F(NameLookupTest, EveryChangeToAFolderShowsInTheNextLookup) {
    const QString base = Path("");
    const auto rename = [](const QString& from, const QString& to) { return std::rename(ToNative(from), ToNative(to)); };
    const Step steps[] = {
        {[](const QString& f) { Make(f + "Gps.DLL"); }, "gps.dll", "Gps.DLL"},
        {[](const QString& f) { Make(f + "GPS.dll"); }, "gps.dll", "GPS.dll"},
        {[](const QString& f) { ::unlink(ToNative(f + "GPS.dll")); }, "gps.dll", "Gps.DLL"},
        {[&](const QString& f) { rename(f + "Gps.DLL", f + "gps.dll.notused"); }, "GPS.DLL", "GPS.DLL"},
        {[](const QString&) {}, "GPS.DLL.NOTUSED", "gps.dll.notused"},
        {[](const QString& f) { EXPECT_TRUE(RenameNoReplace(f + "GPS.DLL.NOTUSED", f + "GPS.DLL")); },
         "gps.dll", "GPS.DLL"},
        {[](const QString& f) { EXPECT_TRUE(RemoveFile(f + "gps.dll")); }, "gps.dll", "gps.dll"},
        {[](const QString& f) { EXPECT_TRUE(WriteFileAtomic(f + "Fly.INI", "x")); }, "fly.ini", "Fly.INI"},
        {[&](const QString& f) {
             rename(f, base + "pc.old");
             ::mkdir(ToNative(f), 0777);
             Make(f + "fly.ini");
         },
         "FLY.INI", "fly.ini"},
    };
    const QString folder = CreateDir("pc") + '/';
    for (const Step& step : steps) {
        step.change(folder);
        EXPECT_EQ(ResolvePath(folder + step.asked), folder + step.found) << step.asked.toStdString();
    }
}

} // namespace
