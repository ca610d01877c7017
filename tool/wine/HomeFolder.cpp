#include "wine/HomeFolder.h"

#include "fs/NativeText.h"

#include <pwd.h>
#include <unistd.h>

QString HomeFolder() {
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return FromNative(home);
    const passwd* user = ::getpwuid(::getuid());
    return user == nullptr || user->pw_dir == nullptr ? QString() : FromNative(user->pw_dir);
}
