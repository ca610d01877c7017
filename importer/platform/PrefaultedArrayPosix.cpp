#include "platform/PrefaultedArray.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Smaller arrays take few faults: not worth a system call.
constexpr size_t kWorthIt = 256 * 1024;

} // namespace

void PrefaultForWrite(void* data, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    if (bytes < kWorthIt)
        return;
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(page - 1);
    if (end > start)
        (void)madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)bytes;
#endif
}
