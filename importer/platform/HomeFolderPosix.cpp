#include "platform/HomeFolder.h"

#include <pwd.h>
#include <unistd.h>

namespace {

std::string& HomeOverride() {
    static std::string home;
    return home;
}

} // namespace

std::string HomeFolder() {
    if (!HomeOverride().empty())
        return HomeOverride();
    const passwd* user = getpwuid(getuid());
    if (user == nullptr || user->pw_dir == nullptr)
        return {};
    return user->pw_dir;
}

void SetHomeFolder(const std::string& home) {
    HomeOverride() = home;
}
