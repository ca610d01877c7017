// The hand-over of a start argument between two copies of the tool on one simulator folder: here both
// copies live in the test, the one that listens on the main thread, the one started later on another.
#include "LaterCopy.h"
#include "ShellFixture.h"

#include "shell/ArgumentHandover.h"
#include "shell/Settings.h"

#include <QDir>
#include <QSignalSpy>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class ArgumentHandoverTest : public ShellTest {
  protected:
    ArgumentHandover running;
    QSignalSpy arrived{&running, &ArgumentHandover::ArgumentArrived};
};

TEST_F(ArgumentHandoverTest, TheCopyListeningOnTheFolderTakesTheArgumentAsItWasGiven) {
    const QString fly = MakeSimulator();
    ASSERT_TRUE(running.Listen(fly));
    const QString argument = Path("Scènes d'été\nv2/addon.zip");
    EXPECT_TRUE(LaterCopyHandsOver(fly, argument));
    QTRY_COMPARE(arrived.count(), 1);
    EXPECT_EQ(arrived[0][0].toString(), argument);
}

TEST_F(ArgumentHandoverTest, NoCopyTakesTheArgumentOfAnotherFolderOrWhenNoneListens) {
    const QString fly = MakeSimulator();
    const QString other = MakeSimulator("Other");
    EXPECT_FALSE(LaterCopyHandsOver(fly, Path("addon")));
    ASSERT_TRUE(running.Listen(fly));
    EXPECT_FALSE(LaterCopyHandsOver(other, Path("addon")));
    EXPECT_NE(ArgumentHandover::ServerName(fly), ArgumentHandover::ServerName(other));
    // The path window's OK on another folder: the copy listens for that one only.
    ASSERT_TRUE(running.Listen(other));
    EXPECT_FALSE(LaterCopyHandsOver(fly, Path("addon")));
    EXPECT_TRUE(LaterCopyHandsOver(other, Path("addon")));
    running.Close();
    EXPECT_FALSE(LaterCopyHandsOver(other, Path("addon")));
    QCoreApplication::processEvents();
    EXPECT_EQ(arrived.count(), 1);
}

// A copy that was killed leaves its socket file behind; the next copy listens there all the same, but never
// in the place of a copy that still answers.
TEST_F(ArgumentHandoverTest, ASocketLeftByAKilledCopyIsTakenOverAndALiveOneIsNot) {
    const QString fly = MakeSimulator();
    const QByteArray name = ArgumentHandover::ServerName(fly).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(name.size(), qsizetype(sizeof(address.sun_path)));
    qstrcpy(address.sun_path, name.constData());
    const int left = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(left, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ::close(left);
    ASSERT_TRUE(QFileInfo::exists(name));

    ASSERT_TRUE(running.Listen(fly));
    ArgumentHandover second;
    EXPECT_FALSE(second.Listen(fly));
    EXPECT_TRUE(LaterCopyHandsOver(fly, Path("addon")));
    QTRY_COMPARE(arrived.count(), 1);
}

TEST_F(ArgumentHandoverTest, OnlyAnAddonSourceGoesOverAndARelativeOneGoesAsAbsolute) {
    const QString fly = MakeSimulator();
    CreateFile("downloads/Addon.TAR.GZ");
    CreateFile("downloads/readme.txt");
    ASSERT_TRUE(running.Listen(fly));
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Path("downloads")));
    Settings settings;
    settings.FlyExePath = fly + "fly2.exe";
    const struct {
        const char* argument;
        bool taken;
    } cases[] = {{"", false}, {"readme.txt", false}, {"gone.zip", false}, {"Addon.TAR.GZ", true}};
    for (const auto& c : cases) {
        settings.StartArgument = c.argument;
        EXPECT_EQ(LaterCopyHandsOver([&] { return ArgumentHandover::HandStartArgumentOver(settings); }),
                  c.taken)
            << c.argument;
    }
    settings.FlyExePath = Path("Gone/fly2.exe"); // no simulator stored: nothing to hand to
    EXPECT_FALSE(LaterCopyHandsOver([&] { return ArgumentHandover::HandStartArgumentOver(settings); }));
    QDir::setCurrent(working);
    QTRY_COMPARE(arrived.count(), 1);
    EXPECT_EQ(arrived[0][0].toString(), Path("downloads/Addon.TAR.GZ"));
}

} // namespace
