#include "wine/Launcher.h"

#include "fs/NativeFs.h"
#include "wine/WinePrefix.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {

struct Command final {
    QString program;
    QStringList arguments;
    QString problem; // why it can't be started, or empty
    QString prefix;  // WINEPREFIX for wine, or empty for an unchanged environment
};

Command CommandFor(const QString& program, const QStringList& arguments) {
    const QString resolved = ResolvePath(program);
    if (!IsWindowsProgram(resolved))
        return {resolved, arguments, {}, {}};
    const QString wine = WineProgram();
    if (wine.isEmpty())
        return {{},
                {},
                QStringLiteral("Impossible de démarrer ") + resolved +
                    QStringLiteral(" : c'est un programme Windows, et wine est nécessaire pour le démarrer. "
                                   "Veuillez installer wine."),
                {}};
    return {wine, QStringList{resolved} + arguments, {}, SimulatorWinePrefix()};
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

QString StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    const Command command = CommandFor(program, arguments);
    if (!command.problem.isEmpty())
        return command.problem;
    QProcess process;
    Prepare(process, command, WorkingFolderFor(program, workingFolder));
    if (!process.startDetached())
        return QStringLiteral("Impossible de démarrer ") + ResolvePath(program);
    return {};
}

RunResult RunAndRead(const QString& program, const QStringList& arguments, const QString& workingFolder,
                     const OutputReader& read, const std::function<void()>& wait) {
    RunResult result;
    const Command command = CommandFor(program, arguments);
    if (!command.problem.isEmpty()) {
        result.output = command.problem.toUtf8();
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    Prepare(process, command, WorkingFolderFor(program, workingFolder));
    process.start();
    if (!process.waitForStarted(-1))
        return result;
    result.started = true;
    process.closeWriteChannel();
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(50)) {
        read(process.readAll());
        wait();
    }
    read(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitStatus = process.exitCode();
    return result;
}

RunResult RunAndWait(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    QByteArray output;
    RunResult result = RunAndRead(
        program, arguments, workingFolder, [&output](const QByteArray& piece) { output += piece; }, [] {});
    if (result.started)
        result.output = output;
    return result;
}
