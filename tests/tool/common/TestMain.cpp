// Test entry point for the layers below the shell: the application object, the C locale, a data folder
// of the test run's own, GoogleTest. The texts are those the sources are written in.
#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale::c());
    QCoreApplication app(argc, argv);
    // The journal of changes goes to a folder of the test run's own, never to the user's.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
