#pragma once

#include <QString>

struct Settings;

// Starting fly2slice.exe on an input file.
struct SlicerLaunch final {
    bool started = false;
    bool missing = false; // Fly2SlicePath doesn't exist; message names where it was looked for then
    QString message;      // to show when not empty
};

// Starts Fly2SlicePath with "-i" and parameter, in the slicer's folder, without waiting. When that file
// is missing, Fly2SlicePath becomes FlyFolder + "fly2slice.exe" for the next try and nothing starts.
SlicerLaunch StartFly2Slice(Settings& settings, const QString& parameter);
