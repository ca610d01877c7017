// The demo that `make run` opens: made by its script into a build folder of its own, it is a working
// installation from the first start, its DLL and script lists filled without a visit to the path window.
#include "SettingsTest.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "shell/Preferences.h"

#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QProcess>

namespace {

class DemoTest : public SettingsTest {};

TEST_F(DemoTest, TheFirstStartListsTheDemosDllsAndScripts) {
    ASSERT_TRUE(QDir().mkpath(Path("build/bin")) && QDir().mkpath(Path("build/tools")));
    ASSERT_TRUE(QFile::link(FLYKESTREL_PATH, Path("build/bin/flykestrel")));
    ASSERT_TRUE(QFile::link(MKFLY2_PATH, Path("build/tools/mkfly2")));
    QProcess script;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY"); // the script then only prepares, and says how to start the tool
    environment.remove("WAYLAND_DISPLAY");
    script.setProcessEnvironment(environment);
    script.start(TEST_SOURCE_DIR "/../scripts/run-demo.sh", {Path("build")});
    ASSERT_TRUE(script.waitForFinished(60000));
    ASSERT_EQ(script.exitCode(), 2) << script.readAllStandardError().toStdString();

    StartUpSettings(Path("build/bin"), QString());
    KestrelWindows windows;
    windows.Main().show();
    const struct {
        const char* button;
        QWidget* window;
        const char* list;
        const char* folder;
    } lists[] = {{"Button3", &windows.CheckDlls(), "DLLCheckListBox", "modules/pc"},
                 {"Button4", &windows.CheckPy(), "PYCheckListBox", "modules/scripts/global"}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.button);
        windows.Main().findChild<QAbstractButton*>(l.button)->click();
        const auto* list = l.window->findChild<QListWidget*>(l.list);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), QDir(Path("build/demo/Fly2/") + l.folder).entryList(QDir::Files).size());
        EXPECT_GT(list->count(), 0);
    }
}

} // namespace
