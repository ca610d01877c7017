#include "shell/JournalScope.h"

#include "shell/ChangeJournal.h"
#include "shell/ChangeStep.h"
#include "shell/JournalStore.h"
#include "shell/NativeFolder.h"
#include "shell/NativeFs.h"
#include "shell/NativeText.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The files a program of ours may change, kept before it starts.
struct ProgramRun final {
    QStringList folders;
    QStringList missing; // folders that didn't exist before
    QHash<QString, Fingerprint> before;
    QList<QPair<int, QString>> kept; // step number, path
};

struct OpenEntry final {
    ChangeJournal journal;
    QString operation;
    int id = 0;
    int steps = 0;
    QSet<QString> planned;
    std::optional<ProgramRun> program;
};

thread_local std::unique_ptr<OpenEntry> current;
thread_local int depth = 0;
thread_local int paused = 0;
std::function<void(int)> stepHook;

OpenEntry* Active() {
    return paused == 0 ? current.get() : nullptr;
}

QString RenameKey(const QString& from, const QString& to) {
    return from + QChar(0) + to;
}

bool EnsureEntry(OpenEntry& r) {
    if (r.id == 0) {
        r.journal.Prune(LoadJournalLimits());
        r.id = r.journal.Begin(r.operation);
    }
    return r.id != 0;
}

bool Record(OpenEntry& r, const QList<ChangeStep>& steps) {
    if (steps.isEmpty())
        return true;
    QByteArray lines;
    for (const ChangeStep& step : steps)
        lines += step.Line() + '\n';
    if (!EnsureEntry(r) || !r.journal.Append(r.id, lines))
        return false;
    for (qsizetype i = 0; i < steps.size(); ++i)
        if (++r.steps; stepHook)
            stepHook(r.steps);
    return true;
}

QList<QString> PlainFiles(const QString& folder) {
    QList<QString> files;
    for (const QString& name : EntryNames(folder)) {
        struct stat st {};
        const QString path = folder + '/' + name;
        if (::lstat(ToNative(path).constData(), &st) == 0 && S_ISREG(st.st_mode))
            files << path;
    }
    return files;
}

// Keeps what path holds in the entry's store as the old contents of the step numbered number.
bool KeepAsStep(OpenEntry& r, const QString& path, int number, ChangeStep& step) {
    step.stored = QString::number(number);
    return QDir().mkpath(r.journal.StoreFolder(r.id)) && KeepInStore(path, r.journal.StorePath(r.id, number));
}

bool KeepForStep(OpenEntry& r, const QString& path, ChangeStep& step) {
    return KeepAsStep(r, path, r.steps, step) && FlushFolder(r.journal.StoreFolder(r.id));
}

} // namespace

JournalScope::JournalScope(const QString& flyFolder, const QString& operation) {
    if (depth++ > 0 || flyFolder.isEmpty())
        return;
    current.reset(new OpenEntry{ChangeJournal(flyFolder), operation, 0, 0, {}, std::nullopt});
    if (!current->journal.valid())
        current.reset();
}

JournalScope::~JournalScope() {
    if (--depth > 0 || current == nullptr)
        return;
    if (current->id != 0)
        current->journal.Append(current->id, "end\n");
    current.reset();
}

bool JournalScope::Recording() {
    return Active() != nullptr;
}

bool JournalScope::BeforeRename(const QString& from, const QString& to) {
    OpenEntry* r = Active();
    if (r == nullptr || r->planned.contains(RenameKey(from, to)))
        return true;
    const Fingerprint moved = FingerprintOf(from);
    return Record(*r, {{ChangeStep::Kind::Renamed, from, to, {}, moved, moved}});
}

bool JournalScope::BeforeMakeFolder(const QString& path) {
    OpenEntry* r = Active();
    return r == nullptr ||
           Record(*r, {{ChangeStep::Kind::Created, path, {}, {}, {}, {Fingerprint::Kind::Folder, 0, 0}}});
}

bool JournalScope::BeforeWrite(const QString& path, const Fingerprint& after) {
    OpenEntry* r = Active();
    if (r == nullptr)
        return true;
    ChangeStep step{ChangeStep::Kind::Created, path, {}, {}, FingerprintOf(path), after};
    if (step.before.kind != Fingerprint::Kind::Absent) {
        step.kind = ChangeStep::Kind::Replaced;
        if (!EnsureEntry(*r) || !KeepForStep(*r, path, step))
            return false;
    }
    return Record(*r, {step});
}

bool JournalScope::BeforeDelete(const QString& path) {
    OpenEntry* r = Active();
    if (r == nullptr)
        return true;
    ChangeStep step{ChangeStep::Kind::Deleted, path, {}, {}, FingerprintOf(path), {}};
    return EnsureEntry(*r) && KeepForStep(*r, path, step) && Record(*r, {step});
}

bool JournalScope::PlanRenames(const QList<QPair<QString, QString>>& renames) {
    OpenEntry* r = Active();
    if (r == nullptr)
        return true;
    QList<ChangeStep> steps;
    QList<QString> keys;
    for (const auto& [from, to] : renames) {
        const std::optional<QPair<QString, QString>> resolved = ResolvedRename(from, to);
        if (!resolved || r->planned.contains(RenameKey(resolved->first, resolved->second)))
            continue;
        const Fingerprint moved = FingerprintOf(resolved->first);
        steps.append({ChangeStep::Kind::Renamed, resolved->first, resolved->second, {}, moved, moved});
        keys << RenameKey(resolved->first, resolved->second);
    }
    if (!Record(*r, steps))
        return false;
    for (const QString& key : keys)
        r->planned.insert(key);
    return true;
}

bool JournalScope::BeforeProgram(const QStringList& folders) {
    OpenEntry* r = Active();
    if (r == nullptr)
        return true;
    ProgramRun run;
    QList<ChangeStep> steps;
    if (!EnsureEntry(*r))
        return false;
    for (const QString& folder : folders) {
        const QString resolved = ResolvePath(folder);
        run.folders << resolved;
        if (FingerprintOf(resolved).kind == Fingerprint::Kind::Absent)
            run.missing << resolved;
        for (const QString& file : PlainFiles(resolved)) {
            ChangeStep step{ChangeStep::Kind::Replaced,        file, {}, {}, FingerprintOf(file),
                            {Fingerprint::Kind::Unknown, 0, 0}};
            const int number = r->steps + int(steps.size());
            if (!KeepAsStep(*r, file, number, step))
                return false;
            run.before.insert(file, step.before);
            run.kept << qMakePair(number, file);
            steps << step;
        }
    }
    if (!FlushFolder(r->journal.StoreFolder(r->id)) || !Record(*r, steps))
        return false;
    r->program = run;
    return true;
}

void JournalScope::AfterProgram() {
    OpenEntry* r = Active();
    if (r == nullptr || !r->program)
        return;
    QByteArray lines;
    QStringList unchanged;
    for (const auto& [number, path] : r->program->kept) {
        const Fingerprint after = FingerprintOf(path);
        lines += "after\t" + QByteArray::number(number) + '\t' + after.Text().toLatin1() + '\n';
        if (after == r->program->before.value(path))
            unchanged << r->journal.StorePath(r->id, number);
    }
    if (!r->journal.Append(r->id, lines))
        return;
    // What the program left as it was needs no copy.
    for (const QString& copy : unchanged)
        RemoveWhole(copy);
    QList<ChangeStep> created;
    for (const QString& folder : r->program->missing)
        if (FingerprintOf(folder).kind == Fingerprint::Kind::Folder)
            created.append(
                {ChangeStep::Kind::Created, folder, {}, {}, {}, {Fingerprint::Kind::Folder, 0, 0}});
    for (const QString& folder : r->program->folders)
        for (const QString& file : PlainFiles(folder))
            if (!r->program->before.contains(file))
                created.append({ChangeStep::Kind::Created, file, {}, {}, {}, FingerprintOf(file)});
    Record(*r, created);
    r->program.reset();
}

void JournalScope::SetStepHook(std::function<void(int)> hook) {
    stepHook = std::move(hook);
}

JournalPause::JournalPause() {
    ++paused;
}

JournalPause::~JournalPause() {
    --paused;
}
