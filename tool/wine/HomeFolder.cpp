#include "wine/HomeFolder.h"

#include "fs/NativeText.h"

#include <pwd.h>
#include <unistd.h>

namespace {

QString& HomeOverride() {
    static QString home;
    return home;
}

} // namespace

QString HomeFolder() {
    if (!HomeOverride().isEmpty())
        return HomeOverride();
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return FromNative(home);
    const passwd* user = ::getpwuid(::getuid());
    return user == nullptr || user->pw_dir == nullptr ? QString() : FromNative(user->pw_dir);
}

void SetHomeFolder(const QString& home) {
    HomeOverride() = home;
}
