#include "install/ImporterRun.h"

#include "shell/FileUtils.h"
#include "shell/Launcher.h"
#include "shell/NativeFs.h"

namespace {

const QString ImportedLine = QStringLiteral("Imported to database with Navmerger.exe 1.3");
const QString ImporterLine = QStringLiteral("Importer: ");

// The importer's output, one indented log line per output line, so that it stands apart from the
// installer's own lines; the blank lines at its end are dropped.
QStringList OutputLines(const QByteArray& output) {
    QStringList lines = QString::fromLocal8Bit(output).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            line.clear();
        else
            line.prepend(QStringLiteral("    "));
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString OutcomeLine(const RunResult& result, const QString& program, const QString& dexName) {
    if (!result.started)
        return QStringLiteral("FAILED!!!: Navmerger.exe 1.3 could not be started (") + program +
               QStringLiteral("), ") + dexName + QStringLiteral(" not imported");
    if (result.exitStatus < 0)
        return QStringLiteral("FAILED!!!: Navmerger.exe 1.3 ended abnormally, ") + dexName +
               QStringLiteral(" not imported");
    if (result.exitStatus != 0)
        return QStringLiteral("FAILED!!!: import of ") + dexName +
               QStringLiteral(" into the database failed, Navmerger.exe 1.3 exit status ") +
               QString::number(result.exitStatus);
    return ImportedLine;
}

// The log line for program; empty for a Windows program where wine is not installed.
ImporterChoice Describe(const QString& program) {
    const QString onDisk = ResolvePath(program);
    if (!IsWindowsProgram(onDisk))
        return {program, ImporterLine + onDisk};
    if (WineProgram().isEmpty())
        return {program, {}};
    return {program, ImporterLine + onDisk + QStringLiteral(" (Windows program, through wine)")};
}

} // namespace

ImporterChoice FindImporter(const QString& dexFolder, const QString& toolFolder) {
    QString passedOver;
    for (const char* name : {"navmerger", "Navmerger.exe"}) {
        const QString candidate = WithBackslash(dexFolder) + QLatin1String(name);
        if (!FileExists(candidate))
            continue;
        const ImporterChoice choice = Describe(candidate);
        if (!choice.logLine.isEmpty())
            return choice;
        passedOver = ResolvePath(candidate);
    }
    ImporterChoice beside = Describe(WithBackslash(toolFolder) + QStringLiteral("navmerger"));
    if (!passedOver.isEmpty())
        beside.logLine += QStringLiteral(" (") + passedOver +
                          QStringLiteral(" is a Windows program and wine is not installed)");
    return beside;
}

bool IsPlainDexName(const QString& name) {
    return !name.isEmpty() && !name.startsWith('@') && !name.startsWith('-') && !name.contains('\\') &&
           !name.contains('/') && !name.contains(':');
}

QStringList ImporterArguments(const QString& dexName, const QString& flyFolder, bool pauseOnError) {
    QString folder = flyFolder;
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return {dexName, QStringLiteral("-K"), pauseOnError ? QStringLiteral("-P") : QStringLiteral("-PX"),
            QStringLiteral("-F"), folder};
}

QStringList RunImporter(const ImporterCall& call) {
    const ImporterChoice importer =
        call.importer.isEmpty() ? FindImporter(call.dexFolder, call.toolFolder) : Describe(call.importer);
    const QString program = ResolvePath(importer.program);
    const RunResult result =
        RunAndWait(program, ImporterArguments(call.dexName, ResolvePath(call.flyFolder), call.pauseOnError),
                   call.dexFolder);
    QStringList lines;
    if (!importer.logLine.isEmpty())
        lines << importer.logLine;
    lines << OutputLines(result.output) << OutcomeLine(result, program, call.dexName);
    return lines;
}
