#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// Makes a complete synthetic Fly! II installation in folder with the fixture generator; a failure
// fails the test and returns false. Only test programs know where the generator is (MKFLY2_PATH).
inline bool MakeFly2Installation(const QString& folder, const QStringList& options = {}) {
    QProcess mkfly2;
    mkfly2.start(QStringLiteral(MKFLY2_PATH), QStringList{folder} + options);
    const bool finished = mkfly2.waitForFinished(120000);
    EXPECT_TRUE(finished);
    const bool succeeded = finished && mkfly2.exitStatus() == QProcess::NormalExit && mkfly2.exitCode() == 0;
    EXPECT_TRUE(succeeded) << mkfly2.readAllStandardError().toStdString();
    return succeeded;
}
