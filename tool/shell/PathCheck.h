#pragma once

#include "fs/Result.h"

#include <QString>
#include <QStringList>

struct Settings;

// The texts of the path window's fields (TOptionsForm): the values the window will store on OK.
struct PathFields final {
    QString LblFLYPath;
    QString LblDLLFolderHolder;
    QString LblDLLPath;
    QString LblPythonPath;
    QString LblFlyIniPath;
    QString LblRenderIniPath;
    QString LblFLYStartPath;
    QString LblFly2SlicerName;
    QString LblTGAPath;
    QString LblRASPath;
};

// Empties every field but LblFLYPath.
void ResetCaptions(PathFields& fields);

// The path check, in the steps between which the window asks its questions. CheckFlyFolder derives the
// simulator's folders from FlyExePath into LblFLYPath and writes FlyFolder, SceneryFolder, DLLFolderHolder
// and Fly2SlicePath at once; fails without fly2.exe (LblFLYPath then empty) or without "system" (the
// failure names that folder; the other fields are emptied). Then each of MissingSubfolders, relative to
// FlyFolder, is offered and made on Yes; a No empties the fields and ends the check. FillFields ends it.
Done CheckFlyFolder(PathFields& fields, Settings& settings);
QStringList MissingSubfolders(const PathFields& fields);
// Fills the derived fields and writes FlyStartPath.
void FillFields(PathFields& fields, Settings& settings);
// The check without messages, which creates nothing either: whether the paths are valid.
bool CheckValidPathes(PathFields& fields, Settings& settings);

// The window's show handler: takes FlyExePath, or finds fly2.exe beside the tool or one folder up (then
// stored in FlyExePath); false when there is none, and the window then checks nothing.
bool FindFlyExe(Settings& settings);
// OK: false (the window stays open) when the fly2.exe of LblFLYPath doesn't exist; else stores the fields.
bool OptionsOk(const PathFields& fields, Settings& settings);
// The fly2.exe button: the folder its dialog opens in (FlyFolder, from FlyExePath or the folder above the
// tool); TakeFlyExe takes the file chosen there, before the check.
QString FlyExeDialogStart(Settings& settings);
void TakeFlyExe(PathFields& fields, Settings& settings, const QString& flyExe);
// The FLY2.EXE of an installation folder found in Wine.
QString InstallationFlyExe(const QString& folder);
// The folder buttons open their dialog on their setting, else on FlyFolder.
QString FolderDialogStart(const QString& setting, const QString& flyFolder);
