#include "fs/Failures.h"

#include <QStringList>

namespace {

// A long list names its first files and counts the others.
const int NamedAtMost = 10;

} // namespace

Outcome NotChanged(const QList<Failure>& failures) {
    if (failures.isEmpty())
        return {};
    QStringList reasons;
    for (const Failure& failure : failures)
        if (!reasons.contains(failure.reason))
            reasons << failure.reason;
    QString text = QString::fromUtf8("Ces fichiers n'ont pas été changés :");
    for (const QString& reason : reasons) {
        int named = 0;
        int others = 0;
        text += '\n';
        for (const Failure& failure : failures) {
            if (failure.reason != reason)
                continue;
            if (named++ < NamedAtMost)
                text += '\n' + failure.path;
            else
                ++others;
        }
        if (others > 0)
            text += QStringLiteral("\net %1 autres").arg(others);
        text += QStringLiteral("\nRaison : ") + reason;
    }
    return Outcome::Error(text);
}
