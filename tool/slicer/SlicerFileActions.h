#pragma once

#include "slicer/SlicerOutcome.h"
#include "slicer/SlicerSettings.h"

#include <QString>

// The slicer window's file actions once the file is chosen. A text that should be a number ends the
// action with the conversion's message in the error box; nothing is written then.

// The input file, then its copy at SlicerInputCopyPath; no copy when the file itself failed.
SlicerOutcome WriteSlicerInput(const QString& file, const SlicerSettings& settings);
// The missing inputs, or the SCF file at SceneryControlPath.
SlicerOutcome WriteSceneryControl(const SlicerSettings& settings, const QString& flyFolder);
SlicerOutcome SaveValues(const QString& file, const SlicerSettings& settings);
SlicerOutcome LoadValues(const QString& file);
