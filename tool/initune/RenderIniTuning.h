#pragma once

#include "fs/Result.h"
#include "initune/IniGrid.h"

#include <optional>

// The render.ini mode of the tuning window: texture counts and the video memory they take.

// Bytes of video memory per texture of a texture-count key (exact name), or nothing for other names.
std::optional<qint64> TextureBytes(const QString& name);
// Whole megabytes for count textures of bytes each: count × bytes / 1048576 + 0.5, rounded half to even.
// Nothing when the product leaves the 32-bit signed range.
std::optional<qint64> TextureMegabytes(qint64 count, qint64 bytes);

// Clears the grid, puts the headers in row 0 and the total in row 1 and reads the file at path into rows 2
// on (values trimmed), as LoadIniPage; ComputeMemory then fills the memory column.
Result<bool> LoadRenderIni(IniGrid& grid, const QString& path);
// The Memory cell of every texture row and the total without the [AGP] and [NonAGP] sections. A count
// that is not a whole number, or too large, stops the computation, the total left as it was: the failure
// names that text, its reason is the error box's text.
Done ComputeMemory(IniGrid& grid);
// Takes every NEW value over into OLD, for ComputeMemory to compute again. A NEW value on a header or empty
// row, with anything but digits, or a count too large stops the walk and empties that NEW cell: the
// failure names the row, its reason is the information box's text.
Done ApplyNewCounts(IniGrid& grid);
// The same checks without taking anything over: the first refusal, or nothing.
Done CheckNewCounts(IniGrid& grid);
