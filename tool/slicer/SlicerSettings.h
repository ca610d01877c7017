#pragma once

#include <QString>

// Everything the slicer window holds, with the window's defaults. Corners are decimal degree texts.
struct SlicerSettings final {
    bool texturesCreate = true;
    bool texturesDistance = true;
    bool nightCreate = false;
    int nightCutoff = 20;
    bool waterMask = false;
    bool waterPure = false;
    QString textureFile;
    QString textureLowerLeftLat;
    QString textureLowerLeftLon;
    QString textureUpperRightLat;
    QString textureUpperRightLon;
    bool keepExisting = false;

    bool elevationsCreate = false;
    QString elevationData; // a folder
    int samplesX = 0;
    int samplesY = 0;
    QString elevationLowerLeftLat;
    QString elevationLowerLeftLon;
    QString elevationUpperRightLat;
    QString elevationUpperRightLon;
    int subdivideTolerance = 0;
    int subdivideDensity = 0;

    bool globeTileEnabled = false;
    int globeTileX = 0;
    int globeTileZ = 0;

    bool podCreate = true;
    QString podFile;

    bool operator==(const SlicerSettings&) const = default;
};
