#pragma once

#include <optional>
#include <string>

// The simulator's own registry value "PATH" (HKEY_LOCAL_MACHINE\Software\Terminal Reality\Fly! II)
// from the default Wine prefix's system.reg. Not read yet: always nothing.
std::optional<std::string> ReadWineRegistryFlyFolder();
