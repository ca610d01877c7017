#include "FileWriting.h"

#include <fstream>
#include <stdexcept>

void WriteTextFile(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}
