#include "db/DbClock.h"

#include "base/SourceDateEpoch.h"

#include <ctime>
#include <optional>

namespace {

std::optional<uint32_t> fixedTime;

} // namespace

uint32_t DbClock::Now() {
    if (fixedTime)
        return *fixedTime;
    return SourceDateEpoch().value_or(static_cast<uint32_t>(std::time(nullptr)));
}

void DbClock::Fix(uint32_t seconds) {
    fixedTime = seconds;
}

void DbClock::Release() {
    fixedTime.reset();
}
