#include "base/ZorException.h"

#include <cstdarg>
#include <cstdio>
#include <utility>
#include <vector>

ZorException::ZorException(std::string file_, int32_t line_, uint32_t code_, std::string message_)
    : file(std::move(file_)), line(line_), code(code_), message(std::move(message_)) {}

std::string ZorException::GetReport() const {
    return FormatMessage("An error has occurred:\n%s\nError code 0x%x in %s, line %i", message.c_str(), code,
                         file.c_str(), line);
}

std::string FormatMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return text;
}
