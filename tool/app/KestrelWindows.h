#pragma once

#include "app/SubsystemWindows.h"

#include <QtGlobal>
#include <memory>

class TF_main;
class TFormKestrelTools;
class TFCutLLInput;
class TFSelDirDlg;
class THelpForm;

// Every window of the tool, created once in this order (the main window first) and kept until the end.
class KestrelWindows final {
    Q_DISABLE_COPY_MOVE(KestrelWindows)
public:
    KestrelWindows();
    ~KestrelWindows();

    TF_main& Main() const { return *main_; }
    TFormKestrelTools& KestrelTools() const { return *kestrelTools_; }
    TF_checkpy& CheckPy() const { return *checkPy_; }
    TF_checksceneries& CheckSceneries() const { return *checkSceneries_; }
    Tf_inikestrel& IniKestrel() const { return *iniKestrel_; }
    TOptionsForm& Options() const { return *options_; }
    TF2sInputForm& SlicerInput() const { return *slicerInput_; }
    TFSelDirDlg& SelDirDlg() const { return *selDirDlg_; }
    TF_SceneryCopy& SceneryCopy() const { return *sceneryCopy_; }
    TF_checkdlls& CheckDlls() const { return *checkDlls_; }
    TFLYDataForm& FlyData() const { return *flyData_; }
    TF_AutoInstall& AutoInstall() const { return *autoInstall_; }
    THelpForm& Help() const { return *help_; }
    TF_History& History() const { return *history_; }
    TF_AddonLibrary& AddonLibrary() const { return *addonLibrary_; }

  private:
    std::unique_ptr<TF_main> main_;
    std::unique_ptr<TFormKestrelTools> kestrelTools_;
    std::unique_ptr<TF_checkpy> checkPy_;
    std::unique_ptr<TF_checksceneries> checkSceneries_;
    std::unique_ptr<Tf_inikestrel> iniKestrel_;
    std::unique_ptr<TOptionsForm> options_;
    std::unique_ptr<TF2sInputForm> slicerInput_;
    std::unique_ptr<TFCutLLInput> cutLLInput_;
    std::unique_ptr<TFSelDirDlg> selDirDlg_;
    std::unique_ptr<TF_SceneryCopy> sceneryCopy_;
    std::unique_ptr<TF_checkdlls> checkDlls_;
    std::unique_ptr<TFLYDataForm> flyData_;
    std::unique_ptr<TF_AutoInstall> autoInstall_;
    std::unique_ptr<THelpForm> help_;
    std::unique_ptr<TF_History> history_;
    std::unique_ptr<TF_AddonLibrary> addonLibrary_;
    SubsystemWindows subsystems_;
};
