#include "app/KestrelWindows.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "activation/ui/TF_checksceneries.h"
#include "app/TF_main.h"
#include "fs/Outcome.h"
#include "initune/ui/Tf_inikestrel.h"
#include "install/ui/TFLYDataForm.h"
#include "install/ui/TF_AddonLibrary.h"
#include "install/ui/TF_AutoInstall.h"
#include "install/ui/TF_SceneryCopy.h"
#include "journal/JournalScope.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/TFSelDirDlg.h"
#include "shell/ui/TF_History.h"
#include "shell/ui/TFormKestrelTools.h"
#include "shell/ui/THelpForm.h"
#include "shell/ui/TOptionsForm.h"
#include "shell/ui/UndoBoxes.h"
#include "shell/ui/WindowPlacement.h"
#include "slicer/ui/TF2sInputForm.h"
#include "slicer/ui/TFCutLLInput.h"

#include <QFileDialog>
#include <initializer_list>

KestrelWindows::KestrelWindows()
    : main_(std::make_unique<TF_main>()), kestrelTools_(std::make_unique<TFormKestrelTools>()),
      checkPy_(std::make_unique<TF_checkpy>()), checkSceneries_(std::make_unique<TF_checksceneries>()),
      iniKestrel_(std::make_unique<Tf_inikestrel>()), options_(std::make_unique<TOptionsForm>()),
      slicerInput_(std::make_unique<TF2sInputForm>()), cutLLInput_(std::make_unique<TFCutLLInput>()),
      selDirDlg_(std::make_unique<TFSelDirDlg>()), sceneryCopy_(std::make_unique<TF_SceneryCopy>()),
      checkDlls_(std::make_unique<TF_checkdlls>()), flyData_(std::make_unique<TFLYDataForm>()),
      autoInstall_(std::make_unique<TF_AutoInstall>()), help_(std::make_unique<THelpForm>()),
      history_(std::make_unique<TF_History>()), addonLibrary_(std::make_unique<TF_AddonLibrary>()),
      subsystems_{*checkDlls_,   *checkPy_, *checkSceneries_, *iniKestrel_, *options_,     *slicerInput_,
                  *sceneryCopy_, *flyData_, *autoInstall_,    *history_,    *addonLibrary_} {
    slicerInput_->SetCoordinatesDialog(*cutLLInput_);
    main_->SetWindows(&subsystems_);
    CentreOnFirstShow(*main_, nullptr);
    for (QWidget* window : std::initializer_list<QWidget*>{
             kestrelTools_->OpenDialog1(), checkPy_.get(), checkSceneries_.get(), iniKestrel_.get(),
             options_.get(), slicerInput_.get(), cutLLInput_.get(), selDirDlg_.get(), sceneryCopy_.get(),
             checkDlls_.get(), flyData_.get(), autoInstall_.get(), help_.get(), history_.get(),
             addonLibrary_.get()})
        CentreOnFirstShow(*window, main_.get());
    QObject::connect(autoInstall_.get(), &TF_AutoInstall::LibraryRequested, addonLibrary_.get(), [this] {
        addonLibrary_->show();
        addonLibrary_->raise();
    });
    // Whichever window's operation it was, a journal entry that can't be sealed is told as it ends.
    JournalScope::SetUnsealedWarning(
        [](const JournalScope::Unsealed& entry) { ShowOutcome(UnsealedBoxes(entry)); });
}

// The main window goes last, so no window outlives the one that shows it.
KestrelWindows::~KestrelWindows() {
    JournalScope::SetUnsealedWarning({});
}
