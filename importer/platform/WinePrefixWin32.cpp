#include "platform/WinePrefix.h"

// A Windows program takes drive letters as they stand; only FromWindowsPath serves it.
std::string FromWindowsPath(const std::string& path) {
    return path;
}
