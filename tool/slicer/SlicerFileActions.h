#pragma once

#include "fs/Outcome.h"
#include "fs/Result.h"
#include "slicer/SlicerSettings.h"

#include <QString>

// The slicer window's file actions once the file is chosen, each with the boxes it shows: an information box
// when it is done, the error box when a write fails. A text that should be a number ends the action with
// the conversion's message in the error box; nothing is written then.

// The input file, then its copy at SlicerInputCopyPath; no copy when the file itself failed.
Outcome WriteSlicerInput(const QString& file, const SlicerSettings& settings);
// The missing inputs, or the SCF file at SceneryControlPath.
Outcome WriteSceneryControl(const SlicerSettings& settings, const QString& flyFolder);
Outcome SaveValues(const QString& file, const SlicerSettings& settings);
// The settings of a values file, or the box that says why it gave none.
Result<SlicerSettings, Outcome> LoadValues(const QString& file);
