#include "FuzzFolder.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

std::string FuzzFlyFolder() {
    static const std::string folder =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "fuzz-fly").string() + "/";
    return folder;
}

std::string WriteInputFile(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path = FuzzFlyFolder() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        throw std::runtime_error("cannot write " + path);
    return path;
}
