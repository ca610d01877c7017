#include "shell/Launcher.h"

#include "shell/NativeFs.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct Command final {
    QString program;
    QStringList arguments;
    QString problem; // why it can't be started, or empty
};

Command CommandFor(const QString& program, const QStringList& arguments) {
    const QString resolved = ResolvePath(program);
    if (!IsWindowsProgram(resolved))
        return {resolved, arguments, {}};
    const QString wine = WineProgram();
    if (wine.isEmpty())
        return {{},
                {},
                QStringLiteral("Impossible de démarrer ") + resolved +
                    QStringLiteral(" : c'est un programme Windows, et wine est nécessaire pour le démarrer. "
                                   "Veuillez installer wine.")};
    return {wine, QStringList{resolved} + arguments, {}};
}

QString WorkingFolderFor(const QString& program, const QString& workingFolder) {
    return ResolvePath(workingFolder.isEmpty() ? QFileInfo(program).path() : workingFolder);
}

} // namespace

// A native program (an ELF binary or a script) may carry the Windows name.
bool IsWindowsProgram(const QString& program) {
    if (!program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return false;
    const QByteArray head = ReadWholeFile(program).value_or(QByteArray()).left(4);
    return !head.startsWith("\x7f"
                            "ELF") &&
           !head.startsWith("#!");
}

QString WineProgram() {
    return QStandardPaths::findExecutable(QStringLiteral("wine"));
}

QString StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    const Command command = CommandFor(program, arguments);
    if (!command.problem.isEmpty())
        return command.problem;
    if (!QProcess::startDetached(command.program, command.arguments,
                                 WorkingFolderFor(program, workingFolder)))
        return QStringLiteral("Impossible de démarrer ") + ResolvePath(program);
    return {};
}

RunResult RunAndWait(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    RunResult result;
    const Command command = CommandFor(program, arguments);
    if (!command.problem.isEmpty()) {
        result.output = command.problem.toUtf8();
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(WorkingFolderFor(program, workingFolder));
    process.start(command.program, command.arguments);
    if (!process.waitForStarted(-1))
        return result;
    result.started = true;
    process.closeWriteChannel();
    process.waitForFinished(-1);
    result.output = process.readAll();
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitStatus = process.exitCode();
    return result;
}
