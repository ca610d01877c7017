#pragma once

#include "fs/Result.h"

#include <QString>

struct Settings;

// The slicer to start: Fly2SlicePath when that file exists. Else Fly2SlicePath becomes FlyFolder +
// "fly2slice.exe" for the next try and none is started now: empty when that file is there, the failure
// naming it when it is missing too.
Result<QString> Fly2SliceToStart(Settings& settings);
// Starts slicer with "-i" and parameter, in the slicer's folder, without waiting.
Done StartFly2Slice(const QString& slicer, const QString& parameter);
// The information box that tells where the slicer was looked for, when Fly2SliceToStart didn't find it.
QString SlicerMissingText(const Failure& missing);
