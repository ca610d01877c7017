// The Wine prefix of a folder, and the simulator installations found in the prefixes.
#include "wine/WinePrefix.h"
#include "WineFixture.h"
#include "wine/WineInstallations.h"

namespace {

TEST_F(WinePrefixTest, FolderBelongsToTheNearestPrefixOrTheLongestDriveLink) {
    const QString wine = MakePrefix(".wine");
    const QString games = MakePrefix("Games/fly");
    CreateDir("mnt/games/Fly2");
    Link(Path("mnt"), wine + "/dosdevices/d:");
    Link(Path("mnt/games"), games + "/dosdevices/e:");
    Link("/", games + "/dosdevices/z:");
    const struct {
        QString folder, prefix;
    } cases[] = {
        {CreateDir("home/Games/fly/drive_c/Fly2"), games},
        {Path("mnt/games/Fly2"), games},
        {CreateDir("mnt/other"), wine},
        {CreateDir("elsewhere"), ""},
        {Path("missing"), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WinePrefixOf(c.folder), c.prefix) << c.folder.toStdString();
    EXPECT_EQ(KnownWinePrefixes(), QStringList({wine, games}));
}

using WineInstallationsTest = WinePrefixTest;

QByteArray Key(const QByteArray& key, const QByteArray& value) {
    return "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n[Software\\\\" + key +
           "] 1700000001\r\n#time=1da0\r\n" + value + "\r\n";
}

// One prefix without the value, one whose value names a missing folder, two with the value (one under the
// 32-bit key, fly2.exe in lower case and a non-ASCII name) and a fifth naming one of them again.
TEST_F(WineInstallationsTest, FindsEachInstallationOnceInTheOrderOfThePlaces) {
    const QByteArray fly = "Terminal Reality\\\\Fly! II";
    MakePrefix(".wine");
    CreateFile("home/.wine/system.reg", Key("Other", "\"PATH\"=\"C:\\\\Fly2\""));
    CreateFile("home/.wine/drive_c/Fly2/FLY2.EXE");
    MakePrefix("Games/a-gone");
    CreateFile("home/Games/a-gone/system.reg", Key(fly, "\"PATH\"=\"C:\\\\Fly2\""));
    const QString b = MakePrefix("Games/b-fly");
    CreateFile("home/Games/b-fly/system.reg", Key(fly, "\"Version\"=\"2\"\r\n\"PATH\"=\"C:\\\\Fly2\""));
    CreateFile("home/Games/b-fly/drive_c/Fly2/FLY2.EXE");
    const QString z = MakePrefix(".local/share/wineprefixes/zz");
    CreateFile("home/.local/share/wineprefixes/zz/system.reg",
               Key("Wow6432Node\\\\" + fly, "\"path\"=\"c:\\\\Jeux vid\\xe9o\\\\Fly2\\\\\""));
    CreateFile("home/.local/share/wineprefixes/zz/drive_c/Jeux vidéo/Fly2/fly2.exe");
    const QString again = MakePrefix(".PlayOnLinux/wineprefix/again");
    CreateFile("home/.PlayOnLinux/wineprefix/again/system.reg", Key(fly, "\"PATH\"=\"D:\\\\Fly2\""));
    Link(b + "/drive_c", again + "/dosdevices/d:");
    EXPECT_EQ(FindWineInstallations(), QStringList({z + "/drive_c/Jeux vidéo/Fly2", b + "/drive_c/Fly2"}));
}

} // namespace
