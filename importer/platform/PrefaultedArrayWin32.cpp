#include "platform/PrefaultedArray.h"

// Not done on Windows: the pages come in on first write.
void PrefaultForWrite(void*, size_t) {}
