#pragma once

#include <cstdint>
#include <optional>

// SOURCE_DATE_EPOCH, the usual way to ask a program for output that doesn't depend on when it ran: the
// seconds since 1970 it holds, when it is a whole number that fits a 32-bit time stamp.
std::optional<uint32_t> SourceDateEpoch();

// A time stamp about to be written: no later than SOURCE_DATE_EPOCH when that is set.
uint32_t ClampedToSourceDate(uint32_t seconds);
