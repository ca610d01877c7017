#include "FuzzFolder.h"

#include <filesystem>

std::string FuzzFlyFolder() {
    static const std::string folder =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "fuzz-fly").string() +
        "/";
    return folder;
}
