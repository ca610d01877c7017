#pragma once

// Makes a write past the process's file size limit fail with EFBIG like any other write error instead
// of killing the process with SIGXFSZ, so that the failure is reported and undone like a full disk.
void IgnoreFileSizeSignal();
