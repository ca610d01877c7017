#pragma once

#include <filesystem>
#include <string_view>

// Creates the file's folders and writes text to it; throws std::runtime_error on failure.
void WriteTextFile(const std::filesystem::path& file, std::string_view text);
