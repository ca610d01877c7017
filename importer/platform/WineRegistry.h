#pragma once

#include <optional>
#include <string>

// The simulator's own registry value "PATH" (HKEY_LOCAL_MACHINE\Software\Terminal Reality\Fly! II, or
// its Wow6432Node twin) from the default Wine prefix's system.reg, turned into a POSIX folder through the
// prefix's drive links (dosdevices/c: ...). Nothing when the prefix, the value or the drive is missing.
std::optional<std::string> ReadWineRegistryFlyFolder();

// Test seam: read this prefix instead of ~/.wine; an empty path goes back to the user's own.
void SetWinePrefix(const std::string& prefix);
