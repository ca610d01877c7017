#pragma once

#include "fs/Outcome.h"
#include "fs/Result.h"

#include <QString>

struct Settings;

// Starts Fly2SlicePath with "-i" and parameter, in the slicer's folder, without waiting. When that file
// is missing, Fly2SlicePath becomes FlyFolder + "fly2slice.exe" for the next try and nothing starts. When
// nothing started, the box that says why: information naming where the slicer was looked for when it is
// missing there too (none when it is found there), the error box when it could not be started.
Result<void, Outcome> StartFly2Slice(Settings& settings, const QString& parameter);
