#include "journal/ChangeStep.h"

#include "fs/NativeFolder.h"

#include <algorithm>

Fingerprint ChangeStep::BeforeAt(const QString& at) const {
    if (kind == Kind::Renamed && at == to && at != path)
        return {};
    return kind == Kind::Created || kind == Kind::Temporary ? Fingerprint{} : before;
}

Fingerprint ChangeStep::AfterAt(const QString& at) const {
    if (kind == Kind::Renamed)
        return at == to ? after : Fingerprint{};
    if (kind == Kind::Temporary)
        return {Fingerprint::Kind::Unknown, 0, 0};
    return kind == Kind::Deleted ? Fingerprint{} : after;
}

bool Matches(const Fingerprint& now, const Fingerprint& expected) {
    if (expected.kind == Fingerprint::Kind::Unknown)
        return true;
    if (expected.kind == Fingerprint::Kind::Folder && expected.sum == 0)
        return now.kind == Fingerprint::Kind::Folder;
    return now == expected;
}

QStringList ProgramEntries(const ChangeStep& program) {
    QStringList paths;
    const QStringList masks = program.stored.split(';', Qt::SkipEmptyParts);
    for (const QString& name : EntryNames(program.path))
        if (std::any_of(masks.cbegin(), masks.cend(), [&name](const QString& mask) { return MatchesMask(name, mask); }))
            paths << program.path + '/' + name;
    return paths;
}
