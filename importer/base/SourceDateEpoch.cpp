#include "base/SourceDateEpoch.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>

std::optional<uint32_t> SourceDateEpoch() {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text)
        return std::nullopt;
    uint32_t seconds = 0;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, seconds);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return seconds;
}

uint32_t ClampedToSourceDate(uint32_t seconds) {
    const std::optional<uint32_t> epoch = SourceDateEpoch();
    return epoch ? std::min(seconds, *epoch) : seconds;
}
