#pragma once

class TF_AddonLibrary;
class TF_AutoInstall;
class TF_History;
class TF_SceneryCopy;
class TF_checkdlls;
class TF_checkpy;
class TF_checksceneries;
class TF2sInputForm;
class TFLYDataForm;
class Tf_inikestrel;
class TOptionsForm;

// The windows that the main window's buttons open, handed to it once they all exist.
struct SubsystemWindows final {
    TF_checkdlls& checkDlls;
    TF_checkpy& checkPy;
    TF_checksceneries& checkSceneries;
    Tf_inikestrel& iniKestrel;
    TOptionsForm& options;
    TF2sInputForm& slicerInput;
    TF_SceneryCopy& sceneryCopy;
    TFLYDataForm& flyData;
    TF_AutoInstall& autoInstall;
    TF_History& history;
    TF_AddonLibrary& addonLibrary;
};
