#include "app/TF_main.h"

#include "activation/ActivationProfile.h"
#include "activation/DllFolderBackup.h"
#include "activation/ui/DllFolderBackupBoxes.h"
#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "app/SubsystemWindows.h"
#include "fs/Outcome.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/TF_Progress.h"
#include "shell/ui/WindowPlacement.h"

#include <QApplication>
#include <optional>

namespace {

// Shows the hourglass for as long as it lives.
class WaitCursor final {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The dialog starts in the simulator folder; choosing a file elsewhere doesn't move that setting.
QString PickProfile(const QString& title, const QString& filter) {
    QString start = AppSettings().FlyFolder;
    return PickFile(start, QStringLiteral("f2p"), title, filter);
}

void SaveProfileAs() {
    const QString file =
        PickProfile(QCoreApplication::translate("TF_main", "Enregistre le status des DL et PY"),
                    QStringLiteral("*.f2p|*.f2p"));
    const JournalScope journal(AppSettings().FlyFolder,
                               QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Enregistrer profil")));
    if (file.isEmpty())
        return;
    if (const Done saved = SaveProfile(file, AppSettings().DLLPath, AppSettings().PythonPath); !saved)
        ShowOutcome(NotChanged({saved.failure()}));
}

void LoadSection(ActivationWindow& window, const std::optional<ProfileSection>& section) {
    if (!section)
        return;
    if (section->folder)
        window.SetFolderLabel(*section->folder);
    window.SetEntries(section->entries);
}

// Fills the DLL and script windows from a chosen profile; false, after the application's error box, when
// none was chosen or it can't be loaded.
bool LoadProfileIntoWindows(const SubsystemWindows& windows) {
    const QString file = PickProfile(QCoreApplication::translate("TF_main", "Charge le status des DL et PY"),
                                     QStringLiteral("*.f2p |*.f2p"));
    const Result<ActivationProfile> profile = LoadProfile(file, AppSettings().DLLPath);
    if (!profile) {
        ShowError(
            QCoreApplication::translate("TF_main", "Impossible de charger le profil! Raison inconnue."));
        return false;
    }
    LoadSection(windows.checkDlls, profile->dlls);
    LoadSection(windows.checkPy, profile->scripts);
    return true;
}

void BackupDllFolderWithMessage(QWidget* owner) {
    const Result<DllFolderBackup> backup = [owner] {
        const WaitCursor hourglass;
        TF_Progress progress(owner, QCoreApplication::translate("TF_main", "Copie répertoire DLL en cours"));
        const JournalScope journal(AppSettings().FlyFolder,
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Copie répertoire DLL")));
        return BackupDllFolder(AppSettings().DLLFolderHolder, progress);
    }();
    ShowOutcome(DllFolderBackupBoxes(backup));
}

} // namespace

// Both lists stay in view: the DLL window on the left, the script window on the right.
void TF_main::ShowProfileWindows() {
    PlaceSideBySide(windows_->checkDlls, windows_->checkPy, *this);
    ShowWindow(windows_->checkDlls);
    ShowWindow(windows_->checkPy);
}

void TF_main::ConnectProfileButtons() {
    OnClick("Button2", [] { SaveProfileAs(); });
    OnClick("Button10", [this] {
        if (LoadProfileIntoWindows(*windows_))
            ShowProfileWindows();
    });
    OnClick("Button12", [this] {
        const JournalScope journal(AppSettings().FlyFolder, QString::fromUtf8(QT_TRANSLATE_NOOP(
                                                                "Operation", "Charger et appliquer profil")));
        if (!LoadProfileIntoWindows(*windows_))
            return;
        ShowProfileWindows();
        windows_->checkDlls.Button1Click();
        windows_->checkPy.Button1Click();
    });
    OnClick("Button11", [this] { BackupDllFolderWithMessage(this); });
}
