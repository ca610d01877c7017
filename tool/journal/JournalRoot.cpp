#include "journal/JournalRoot.h"

#include "fs/NativeText.h"
#include "wine/HomeFolder.h"

QString JournalRoot() {
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    if (data.startsWith('/'))
        return FromNative(data) + QStringLiteral("/flykestrel/");
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : home + QStringLiteral("/.local/share/flykestrel/");
}
