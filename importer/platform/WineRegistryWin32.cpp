#include "platform/WineRegistry.h"

// On Windows the simulator's registry value is the stored setting itself (StoredSettingWin32.cpp).
std::vector<std::string> FindWineInstallations() {
    return {};
}

std::optional<std::string> ReadWineRegistryFlyFolder() {
    return std::nullopt;
}
