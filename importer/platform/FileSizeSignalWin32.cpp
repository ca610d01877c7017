#include "platform/FileSizeSignal.h"

// Windows has no such signal: a write past a limit or a full disk fails like any other.
void IgnoreFileSizeSignal() {}
