#pragma once

#include "fs/Outcome.h"
#include "initune/IniGrid.h"

#include <optional>

// The render.ini mode of the tuning window: texture counts and the video memory they take.

// Bytes of video memory per texture of a texture-count key (exact name), or nothing for other names.
std::optional<qint64> TextureBytes(const QString& name);
// Whole megabytes for count textures of bytes each: count × bytes / 1048576 + 0.5, rounded half to even.
// Nothing when the product leaves the 32-bit signed range.
std::optional<qint64> TextureMegabytes(qint64 count, qint64 bytes);

// Clears the grid, puts the headers in row 0 and the total in row 1, reads the file at path into rows 2
// on (values trimmed) and computes the memory. A missing file: path + " NON TROUVE!!!".
Outcome LoadRenderIni(IniGrid& grid, const QString& path);
// The Memory cell of every texture row and the total without the [AGP] and [NonAGP] sections. A count
// that is not a whole number, or too large, stops the computation; the total is then left as it was.
Outcome ComputeMemory(IniGrid& grid);
// Takes every NEW value over into OLD, then computes again. A NEW value on a header or empty row, with
// anything but digits, or a count too large stops the walk with a message and empties that NEW cell.
Outcome ApplyNewCounts(IniGrid& grid);
// The same checks without taking anything over: the first refusal, or nothing.
Outcome CheckNewCounts(IniGrid& grid);
