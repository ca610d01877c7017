#pragma once

#include <QString>

// Starting fly2slice.exe on an input file.
struct SlicerLaunch final {
    bool started = false;
    QString message; // to show when not empty
};

// FlyFolder + "SlicerWork/Slicer Files/" when that folder exists, else FlyFolder: where the input file
// dialogs start.
QString SlicerFilesFolder();

// Starts Fly2SlicePath with "-i" and parameter, in the slicer's folder, without waiting. When that file
// is missing, Fly2SlicePath becomes FlyFolder + "fly2slice.exe" for the next try and nothing starts.
SlicerLaunch StartFly2Slice(const QString& parameter);
