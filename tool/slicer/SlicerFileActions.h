#pragma once

#include "fs/Result.h"
#include "fs/Tally.h"
#include "slicer/SlicerSettings.h"

#include <QString>
#include <QStringList>

// The slicer window's file actions once the file is chosen. A file that isn't written or read is named
// as it was given.

// The input file, then its copy at SlicerInputCopyPath (none when the file itself failed): the files
// written, and the one that wasn't.
Tally WriteSlicerInput(const QString& file, const SlicerSettings& settings);
Done SaveValues(const QString& file, const SlicerSettings& settings);
// The lines of a values file (SplitValuesLines), for ReadValuesLines.
Result<QStringList> ReadValuesFile(const QString& file);
