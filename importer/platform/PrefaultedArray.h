#pragma once

#include <cstddef>
#include <vector>

// Maps in at once the pages of memory about to be written whole: one call instead of a page fault a page,
// which costs several times as much, the more so on a virtual machine. Only a hint: where the system has
// no such call (or refuses it), the pages come in on first write as before. The 2 MiB stretches inside
// the memory are asked for as huge pages.
void PrefaultForWrite(void* data, size_t bytes);

// Room for count elements in array, its pages mapped in: for arrays filled whole right after.
template <typename T>
void ReservePrefaulted(std::vector<T>& array, size_t count) {
    array.reserve(count);
    if (array.capacity() > array.size())
        PrefaultForWrite(array.data() + array.size(), (array.capacity() - array.size()) * sizeof(T));
}
