#pragma once

#include <cstdint>

// The time stamps written into table headers and index files: the clock, unless fixed (the fixture
// generator fixes it so that its output depends on the seed alone) or given by SOURCE_DATE_EPOCH.
class DbClock final {
public:
    DbClock() = delete;

    static uint32_t Now();
    static void Fix(uint32_t seconds);
    static void Release();
};
