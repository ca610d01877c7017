#pragma once

#include <cstdint>
#include <string>

// The one exception type of navmerger: every failure raises it, only the run loop catches it.
class ZorException final {
public:
    ZorException(std::string file, int32_t line, uint32_t code, std::string message);

    // "An error has occurred:\n<message>\nError code 0x<code> in <file>, line <line>"
    std::string GetReport() const;

    std::string file;
    int32_t line;
    uint32_t code;
    std::string message;
};

// printf-style formatting for messages of raising sites.
std::string FormatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
