#pragma once

#include "fs/Outcome.h"
#include "install/AddonInstall.h"

// The boxes of an installation, in order: its refusal; or a box for each file whose folders couldn't be
// made, then the one that says the DEX folder couldn't be. Empty when there is nothing to say.
Outcome InstallationBoxes(const Result<AddonInstall>& ran);
