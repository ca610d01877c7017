#include "shell/Launcher.h"

#include "shell/NativeFs.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// A program named *.exe is a Windows program unless it is a native one (an ELF binary or a script)
// that merely carries the Windows name.
bool IsWindowsProgram(const QString& program) {
    if (!program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return false;
    QFile file(program);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray head = file.read(4);
    return !head.startsWith("\x7f"
                            "ELF") &&
           !head.startsWith("#!");
}

struct Command final {
    QString program;
    QStringList arguments;
    QString problem; // why it can't be started, or empty
};

Command CommandFor(const QString& program, const QStringList& arguments) {
    const QString resolved = ResolvePath(program);
    if (!IsWindowsProgram(resolved))
        return {resolved, arguments, {}};
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty())
        return {{},
                {},
                QStringLiteral("Impossible de démarrer ") + program +
                    QStringLiteral(" : c'est un programme Windows, et wine est nécessaire pour le démarrer. "
                                   "Veuillez installer wine.")};
    return {wine, QStringList{resolved} + arguments, {}};
}

QString WorkingFolderFor(const QString& program, const QString& workingFolder) {
    return ResolvePath(workingFolder.isEmpty() ? QFileInfo(program).path() : workingFolder);
}

} // namespace

QString StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    const Command command = CommandFor(program, arguments);
    if (!command.problem.isEmpty())
        return command.problem;
    if (!QProcess::startDetached(command.program, command.arguments,
                                 WorkingFolderFor(program, workingFolder)))
        return QStringLiteral("Impossible de démarrer ") + program;
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
