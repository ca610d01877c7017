#include "app/TF_main.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "activation/ui/TF_checksceneries.h"
#include "app/SubsystemWindows.h"
#include "fs/Outcome.h"
#include "initune/ui/Tf_inikestrel.h"
#include "install/ui/TFLYDataForm.h"
#include "install/ui/TF_AddonLibrary.h"
#include "install/ui/TF_AutoInstall.h"
#include "install/ui/TF_SceneryCopy.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/MainActions.h"
#include "shell/Settings.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/StartSlicer.h"
#include "shell/ui/TOptionsForm.h"
#include "slicer/ui/TF2sInputForm.h"
#include "wine/Launcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>

void TF_main::ConnectButtons() {
    OnClick("Button7", [this] { Button7Click(); });
    OnClick("Button5", [this] { Button5Click(); });
    OnClick("Button6", [this] { Button6Click(); });
    OnClick("Button8", [this] { Button8Click(); });
    OnClick("Button9", [this] { Button9Click(); });
    OnClick("Button14", [this] { Button14Click(); });
    OnClick("Button16", [] { Button16Click(); });
    OnClick("Button3", [this] { ShowWindow(windows_->checkDlls); });
    OnClick("Button4", [this] { ShowWindow(windows_->checkPy); });
    OnClick("Button20", [this] { ShowWindow(windows_->checkSceneries); });
    OnClick("Button15", [this] { ShowWindow(windows_->slicerInput); });
    OnClick("Button21", [this] { ShowWindow(windows_->flyData); });
    OnClick("Button19", [this] { ShowWindow(windows_->sceneryCopy); });
    OnClick("Button22", [this] { ShowWindow(windows_->autoInstall); });
    OnClick("ButtonLibrary", [this] { ShowWindow(windows_->addonLibrary); });
}

void TF_main::ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// The installer opens once the main window has finished appearing, then receives the folder given on the
// command line in a later turn of the event loop, on top of a window already shown.
void TF_main::UMShowInstall() {
    if (windows_ == nullptr)
        return;
    TF_AutoInstall& installer = windows_->autoInstall;
    ShowWindow(installer);
    QCoreApplication::processEvents();
    QMetaObject::invokeMethod(
        &installer, [&installer, folder = AppSettings().StartArgument] { installer.SetSourceFolder(folder); },
        Qt::QueuedConnection);
}

// The launch-and-close road: the tool ends without passing through the close handler, so the preferences
// file keeps its contents.
void TF_main::EndWithoutSaving() {
    emit EndTool();
}

void TF_main::Button7Click() {
    if (windows_->options.exec() != QDialog::Accepted)
        return;
    ActivateOtherKeys(true);
    HoldFlyFolder();
}

void TF_main::Button5Click() {
    windows_->iniKestrel.OpenFlyIni();
}

void TF_main::Button6Click() {
    windows_->iniKestrel.OpenRenderIni();
}

void TF_main::StartJournaled(const char* operation, Done (*launch)(const Settings&, bool)) {
    {
        const JournalScope journal(AppSettings().FlyFolder, QString::fromUtf8(operation));
        if (const Done started = launch(AppSettings(), checkBox2_->isChecked()); !started)
            ShowError(NotStartedText(started.failure()));
    }
    if (checkBox1_->isChecked())
        EndWithoutSaving();
}

void TF_main::Button8Click() {
    StartJournaled(QT_TRANSLATE_NOOP("Operation", "Démarrer FLY! 2"), LaunchSimulator);
}

void TF_main::Button9Click() {
    StartJournaled(QT_TRANSLATE_NOOP("Operation", "Démarrer FlySTART !"), LaunchFlyStart);
}

void TF_main::Button14Click() {
    QString start = SlicerInputStart(AppSettings().FlyFolder);
    const QString input = PickFile(start, QStringLiteral("TXT"), tr("Select FLY2SLICE-InputFile"),
                                   tr("Slicer Inputfile (*.txt)|*.TXT"));
    if (input.isEmpty()) {
        ShowInfo(tr("Aucun fichier sélectionné"));
        return;
    }
    if (StartSlicer(QFileInfo(input).fileName(), ShowError) && checkBox1_->isChecked())
        EndWithoutSaving();
}

void TF_main::Button16Click() {
    ShowInfo(tr("Veuillez sélectionner le répertoire de base ou seront créés les nouveaux fichiers!"));
    const QString chosen = SelectFolder(AppSettings().FlyFolder);
    if (!chosen.isEmpty()) {
        const JournalScope journal(
            AppSettings().FlyFolder,
            QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Créer un rértoire spécial (optionel)")));
        for (const Failure& notMade : MakeSlicerWorkFolders(chosen).failed)
            ShowInfo(notMade.folderNotMade ? tr("Création impossible %1").arg(notMade.path)
                                           : tr("Le répertoire%1 existe déja !").arg(notMade.path));
    }
}
