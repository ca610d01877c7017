#include "platform/WineRegistry.h"

std::optional<std::string> ReadWineRegistryFlyFolder() {
    return std::nullopt;
}
