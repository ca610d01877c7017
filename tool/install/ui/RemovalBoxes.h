#pragma once

#include "fs/Outcome.h"
#include "install/LibraryRecovery.h"
#include "install/RemovalReport.h"

// The boxes of a removal, in order: why nothing was removed; or why it was taken back, with the boxes of
// the undo that failed; or a box that names the files left as they were, one for the library that wasn't
// saved, then the one that says the removal was cancelled or, when nothing else is said, that it is done.
Outcome RemovalBoxes(const RemovalReport& removal);

// The boxes of a start's recovery: nothing when no removal was interrupted; else why it can't be undone
// here, the boxes of its undo that failed, or the box that says it was undone.
Outcome RecoveryBoxes(const LibraryRecovery& recovery);
