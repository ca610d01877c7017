#pragma once

#include <QString>

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
// The path check: derives the simulator's folders from FlyExePath, fills the fields and writes FlyFolder,
// SceneryFolder, DLLFolderHolder, Fly2SlicePath and FlyStartPath at once. Without messages it neither asks
// nor creates anything (only the "no fly2.exe" message is always shown).
bool CheckValidPathes(PathFields& fields, bool showMessages);
// The window's show handler: takes FlyExePath, or finds fly2.exe beside the tool or one folder up.
void OptionsFormShow(PathFields& fields);
// OK: false (the window stays open) when the fly2.exe of LblFLYPath doesn't exist; else stores the fields.
bool OptionsOk(const PathFields& fields);
// The buttons that choose a file or folder.
void ChooseFlyExe(PathFields& fields);
void ChooseFlyStart(PathFields& fields);
// What choosing flyExe with the fly2.exe button does; UseInstallation does it for the FLY2.EXE of folder.
void UseFlyExe(PathFields& fields, const QString& flyExe);
void UseInstallation(PathFields& fields, const QString& folder);
void ChooseFly2Slice(PathFields& fields);
void ChooseTgaFolder(PathFields& fields);
void ChooseRasFolder(PathFields& fields);
// The four buttons whose paths are only ever derived.
void ShowAutofillInfo();
