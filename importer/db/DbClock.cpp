#include "db/DbClock.h"

#include <ctime>
#include <optional>

namespace {

std::optional<uint32_t> fixedTime;

} // namespace

uint32_t DbClock::Now() {
    return fixedTime ? *fixedTime : static_cast<uint32_t>(std::time(nullptr));
}

void DbClock::Fix(uint32_t seconds) {
    fixedTime = seconds;
}

void DbClock::Release() {
    fixedTime.reset();
}
