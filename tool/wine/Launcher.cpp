#include "wine/Launcher.h"

#include "fs/NativeFs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {

struct Command final {
    QString program;
    QStringList arguments;
    QString prefix; // WINEPREFIX for wine, or empty for an unchanged environment
};

Result<Command> CommandFor(const QString& program, const QStringList& arguments, const QString& winePrefix) {
    const QString resolved = ResolvePath(program);
    if (!IsWindowsProgram(resolved))
        return Command{resolved, arguments, {}};
    const QString wine = WineProgram();
    if (wine.isEmpty())
        return Failure{resolved, QCoreApplication::translate(
                                     "Launcher", "c'est un programme Windows, et wine est nécessaire pour le "
                                                 "démarrer. Veuillez installer wine.")};
    return Command{wine, QStringList{resolved} + arguments, winePrefix};
}

// A Windows program runs in the simulator's own prefix, with its registry entries and DLL overrides.
void Prepare(QProcess& process, const Command& command, const QString& workingFolder) {
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(workingFolder);
    if (command.prefix.isEmpty())
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), command.prefix);
    process.setProcessEnvironment(environment);
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

QString NotStartedText(const Failure& failure) {
    if (failure.reason.isEmpty())
        return QCoreApplication::translate("Launcher", "Impossible de démarrer %1").arg(failure.path);
    return QCoreApplication::translate("Launcher", "Impossible de démarrer %1 : %2")
        .arg(failure.path, failure.reason);
}

Done StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder,
                  const QString& winePrefix) {
    const Result<Command> command = CommandFor(program, arguments, winePrefix);
    if (!command)
        return command.failure();
    QProcess process;
    Prepare(process, *command, WorkingFolderFor(program, workingFolder));
    if (!process.startDetached())
        return Failure{ResolvePath(program), {}};
    return {};
}

Result<int> RunAndRead(const QString& program, const QStringList& arguments, const QString& workingFolder,
                       const QString& winePrefix, const OutputReader& read,
                       const std::function<void()>& wait) {
    const Result<Command> command = CommandFor(program, arguments, winePrefix);
    if (!command)
        return command.failure();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    Prepare(process, *command, WorkingFolderFor(program, workingFolder));
    process.start();
    if (!process.waitForStarted(-1))
        return Failure{ResolvePath(program), {}};
    process.closeWriteChannel();
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(50)) {
        read(process.readAll());
        wait();
    }
    read(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
