#include "journal/JournalEntry.h"

#include "journal/JournalRoot.h"

#include <QHash>

int JournalEntry::FileCount() const {
    return ended ? endedFiles : ChangedFiles(steps);
}

int ChangedFiles(const QList<ChangeStep>& steps) {
    using Kind = ChangeStep::Kind;
    // Each path leads to the file it names: the first name a file had in the operation. A name that a
    // rename freed names another file from then on ("data" made anew once "data" became "data-save").
    QHash<QString, QString> fileAt;
    QSet<QString> changed;
    const QString own = JournalRoot(); // the tool's own files (the add-on library) are not the user's
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const ChangeStep& step = steps[i];
        if (step.kind == Kind::Temporary || step.kind == Kind::Program || (!own.isEmpty() && step.path.startsWith(own)))
            continue;
        if (step.kind == Kind::Kept && (step.after.kind == Fingerprint::Kind::Unknown || step.after == step.before))
            continue;
        const QString file = fileAt.value(step.path, step.path);
        changed << file;
        if (step.kind == Kind::Renamed) {
            fileAt.insert(step.path, step.path + QChar(0) + QString::number(i));
            fileAt.insert(step.to, file);
        }
    }
    return int(changed.size());
}

Fingerprint::Hash JournalEntry::HashUsed() const {
    for (const ChangeStep& step : steps)
        for (const Fingerprint fingerprint : {step.before, step.after})
            if (fingerprint.kind == Fingerprint::Kind::File)
                return fingerprint.hash;
    return Fingerprint::Hash::Xxh3;
}
