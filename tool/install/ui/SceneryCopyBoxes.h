#pragma once

#include "fs/Outcome.h"
#include "install/SceneryTransfer.h"

// The boxes of one step of a scenery copy, in order: one for each file whose folders couldn't be made,
// then the one that says how far a cancelled copy got, or the question whether to delete the source just
// copied.
Outcome SceneryCopyBoxes(const SceneryCopy& copy, const SceneryCopy::Step& step);
