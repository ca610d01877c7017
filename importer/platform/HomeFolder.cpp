#include "platform/HomeFolder.h"

#include <pwd.h>
#include <unistd.h>

std::string HomeFolder() {
    const passwd* user = getpwuid(getuid());
    if (user == nullptr || user->pw_dir == nullptr)
        return {};
    return user->pw_dir;
}
