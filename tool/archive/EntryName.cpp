#include "archive/EntryName.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

bool HasControl(const QString& name) {
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    return false;
}

} // namespace

QString CheckedEntryName(const QString& name, QString* why) {
    QString slashed = name;
    slashed.replace(u'\\', u'/');
    if (slashed.startsWith(u'/'))
        *why = QCoreApplication::translate("Archive", "nom absolu");
    else if (slashed.size() >= 2 && slashed[1] == u':' && slashed[0].isLetter() &&
             slashed[0].unicode() < 0x80)
        *why = QCoreApplication::translate("Archive", "nom avec une lettre de lecteur");
    else if (slashed.contains(u':'))
        *why = QCoreApplication::translate("Archive", "nom avec un deux-points");
    else if (HasControl(slashed))
        *why = QCoreApplication::translate("Archive", "nom avec un caractère de contrôle");
    QStringList kept;
    for (const QString& component : slashed.split(u'/', Qt::SkipEmptyParts)) {
        if (component == u".." && why->isEmpty())
            *why = QCoreApplication::translate("Archive", "nom avec « .. », qui sortirait du dossier");
        else if (component != u"." && component != u"..")
            kept += component;
    }
    return why->isEmpty() ? kept.join(u'/') : QString();
}
