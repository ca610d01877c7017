#include "install/ImporterRun.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "install/FailedLine.h"
#include "journal/JournalScope.h"
#include "shell/Progress.h"
#include "shell/SimulatorPrefix.h"
#include "wine/Launcher.h"

#include <QCoreApplication>

namespace {

// Cuts the importer's output into log lines as it comes, one indented log line per output line, so that it
// stands apart from the installer's own lines. A blank line waits for a line with text after it: the blank
// lines at the end are dropped. Keeps what the importer said last, for a failure.
class OutputLines final {
  public:
    explicit OutputLines(const ImporterLog& log) : log_(log) {}

    void Add(const QByteArray& bytes) {
        pending_ += bytes;
        for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
            Line(pending_.left(end));
            pending_.remove(0, end + 1);
        }
    }
    // The last line, when the output doesn't end with a line end.
    void Finish() {
        Line(pending_);
        pending_.clear();
    }
    // The importer's error report when it printed one ("An error has occurred:" and the lines after it),
    // else its last line.
    QString Said() const { return report_.isEmpty() ? last_ : report_.join(QLatin1Char(' ')); }

  private:
    void Line(const QByteArray& bytes) {
        QString line = QString::fromLocal8Bit(bytes);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            ++blanks_;
            return;
        }
        for (; blanks_ > 0; --blanks_)
            log_(QString());
        log_(QStringLiteral("    ") + line);
        last_ = line.trimmed();
        if (last_ == QLatin1String("An error has occurred:")) {
            reporting_ = true;
            report_.clear();
        } else if (reporting_) {
            report_ << last_;
        }
    }

    const ImporterLog& log_;
    QByteArray pending_;
    int blanks_ = 0;
    QString last_;
    QStringList report_;
    bool reporting_ = false;
};

// Why the import of dexName failed, in the log's words; empty when it succeeded.
QString ImportFailure(const Result<int>& result, const QString& program, const QString& dexName) {
    if (!result)
        return QCoreApplication::translate("ImporterRun",
                                           "Navmerger.exe 1.3 could not be started (%1), %2 not imported")
            .arg(program, dexName);
    if (*result < 0)
        return QCoreApplication::translate("ImporterRun",
                                           "Navmerger.exe 1.3 ended abnormally, %1 not imported")
            .arg(dexName);
    if (*result != 0)
        return QCoreApplication::translate(
                   "ImporterRun", "import of %1 into the database failed, Navmerger.exe 1.3 exit status %2")
            .arg(dexName, QString::number(*result));
    return {};
}

// The log line for program; empty for a Windows program where wine is not installed.
ImporterChoice Describe(const QString& program) {
    const QString onDisk = ResolvePath(program);
    if (!IsWindowsProgram(onDisk))
        return {program, QCoreApplication::translate("ImporterRun", "Importer: %1").arg(onDisk)};
    if (WineProgram().isEmpty())
        return {program, {}};
    return {program,
            QCoreApplication::translate("ImporterRun", "Importer: %1 (Windows program, through wine)")
                .arg(onDisk)};
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
        beside.logLine +=
            QCoreApplication::translate("ImporterRun", " (%1 is a Windows program and wine is not installed)")
                .arg(passedOver);
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

QList<JournalScope::ProgramFolder> ImporterFolders(const QString& flyFolder) {
    const QString fly = WithBackslash(flyFolder);
    return {{fly + QStringLiteral("SYSTEM"),
             {QStringLiteral("*.POD"), QStringLiteral("*.TRI"), QStringLiteral("*.TMP"),
              QStringLiteral("*.TODO")}},
            {fly + QStringLiteral("DATABASE"), {QStringLiteral("*")}}};
}

Result<QString> RunImporter(const ImporterCall& call, const ImporterLog& log, Progress& progress) {
    const ImporterChoice importer =
        call.importer.isEmpty() ? FindImporter(call.dexFolder, call.toolFolder) : Describe(call.importer);
    const QString program = ResolvePath(importer.program);
    const QString dexFile = ResolvePath(call.dexFolder + call.dexName);
    if (!importer.logLine.isEmpty())
        log(importer.logLine);
    OutputLines lines(log);
    // The importer rewrites the archives and tables by itself: they are kept before it starts.
    if (const Done kept = JournalScope::BeforeProgram(ImporterFolders(call.flyFolder), program); !kept) {
        const QString reason =
            QCoreApplication::translate("ImporterRun", "import non lancé, %1").arg(kept.failure().reason);
        log(FailedLine(reason));
        return Failure{dexFile, reason};
    }
    const Result<int> result = RunAndRead(
        program, ImporterArguments(call.dexName, ResolvePath(call.flyFolder), call.pauseOnError),
        call.dexFolder, SimulatorPrefix(), [&lines](const QByteArray& piece) { lines.Add(piece); },
        [&progress] { progress.Wait(); });
    JournalScope::AfterProgram();
    lines.Finish();
    if (!result && !result.failure().reason.isEmpty())
        log(QStringLiteral("    ") + NotStartedText(result.failure()));
    const QString failure = ImportFailure(result, program, call.dexName);
    if (failure.isEmpty()) {
        log(QCoreApplication::translate("ImporterRun", "Imported to database with Navmerger.exe 1.3"));
        return program;
    }
    log(FailedLine(failure));
    const QString said = result ? lines.Said() : NotStartedText(result.failure());
    return Failure{dexFile, said.isEmpty() ? failure : failure + QStringLiteral(" : ") + said};
}
