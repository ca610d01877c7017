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
    // The look-ups and sorts that jump about such an array miss the address-translation cache far less
    // in huge pages: the whole ones inside it get them where the system gives them.
    constexpr uintptr_t kHuge = 2 << 20;
    const uintptr_t hugeStart = (start + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t hugeEnd = end & ~(kHuge - 1);
    // Both are hints: where the system refuses one, the pages come as before, one fault at a time.
    if (hugeEnd > hugeStart)
        (void)madvise(reinterpret_cast<void*>(hugeStart), hugeEnd - hugeStart, MADV_HUGEPAGE);
    if (end > start)
        (void)madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
#else
    // Without the request the pages come on first touch.
    (void)data;
    (void)bytes;
#endif
}
