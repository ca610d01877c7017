// Test entry point for the tool: an offscreen application in French, the scripted dialog service, a data
// folder and a runtime folder of its own, Windows paths resolved as the tool does, GoogleTest.
#include "ScriptedDialogs.h"
#include "shell/InterfaceLanguage.h"
#include "shell/SimulatorPrefix.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    // French, the language the texts are written in, whatever the machine's locale; Qt's own texts too.
    UseLanguage(Language::French);
    // The journal of changes goes to a folder of the test run's own, never to the user's.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    // So do the sockets on which copies of the tool hand their arguments over.
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    ResolveWindowsPathsThroughSimulator();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
