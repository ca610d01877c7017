#pragma once

#include "fs/Result.h"
#include "fs/TextLines.h"
#include "slicer/SlicerSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The three files of the slicer window: the input file of fly2slice.exe (33 lines), the values file
// *.ftv that saves the window's settings (30 lines) and the scenery control file *.SCF (18 lines).
// Writers return the lines; WriteLines puts them on disk with CR LF ends.

inline constexpr char ValuesFileHeader[] = "FlyKestrel saved values file";

QStringList SlicerInputLines(const SlicerSettings& settings);
QStringList ValuesFileLines(const SlicerSettings& settings);
// The settings a values file holds; nothing when it has fewer than 30 lines or its first line isn't the
// header. Fails on a spin value that isn't a whole number, naming it (ReadWholeNumber).
Result<std::optional<SlicerSettings>> ReadValuesLines(const QStringList& lines);
// Fails on a texture corner that isn't a decimal number, naming it (ReadDecimalNumber).
Result<QStringList> SceneryControlLines(const SlicerSettings& settings);

// The message that stops the writing of the input file or of the SCF file, or empty when all is there.
QString MissingForSlicerInput(const SlicerSettings& settings);
QString MissingForSceneryControl(const SlicerSettings& settings);

// "Alps.SCF" for ".../Alps.pod", in flyFolder + "SlicerWork/SCF Files" when that exists, else in flyFolder.
QString SceneryControlPath(const QString& podFile, const QString& flyFolder);
// flyFolder + "SlicerWork/Slicer Files/" when that folder exists, else flyFolder: where the input file
// dialogs start.
QString SlicerFilesFolder(const QString& flyFolder);
// The second copy of an input file, in "SlicerWork/Slicer Files" below its folder; empty when that
// folder doesn't exist.
QString SlicerInputCopyPath(const QString& inputFile);

// Only LF ends a line of a values file; a CR before it is dropped, any other CR stays in the line.
QStringList SplitValuesLines(const QByteArray& bytes);
// Through a temporary name and a rename; or why the file couldn't be written.
Done WriteLines(const QString& path, const QStringList& lines);
