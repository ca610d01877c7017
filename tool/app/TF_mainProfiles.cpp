#include "app/TF_main.h"

#include "activation/ActivationProfile.h"
#include "activation/DllFolderBackup.h"
#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checkpy.h"
#include "app/KestrelWindows.h"
#include "fs/Outcome.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/TF_Progress.h"
#include "shell/ui/WindowPlacement.h"

#include <QApplication>
#include <optional>
#include <stdexcept>

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
QString PickProfile(const char* title, const char* filter) {
    QString start = AppSettings().FlyFolder;
    return PickFile(start, QStringLiteral("f2p"), QString::fromUtf8(title), QString::fromUtf8(filter));
}

void SaveProfileAs() {
    const QString file = PickProfile("Enregistre le status des DL et PY", "*.f2p|*.f2p");
    const JournalScope journal(AppSettings().FlyFolder, QStringLiteral("Enregistrer profil"));
    if (!file.isEmpty())
        SaveProfile(file, AppSettings().DLLPath, AppSettings().PythonPath);
}

void LoadSection(ActivationWindow& window, const std::optional<ProfileSection>& section) {
    if (!section)
        return;
    if (section->folder)
        window.SetFolderLabel(*section->folder);
    window.SetEntries(section->entries);
}

// Fills the DLL and script windows from a chosen profile; raises the load error when it can't.
void LoadProfileIntoWindows(KestrelWindows& windows) {
    const QString file = PickProfile("Charge le status des DL et PY", "*.f2p |*.f2p");
    const std::optional<ActivationProfile> profile =
        file.isEmpty() ? std::nullopt : LoadProfile(file, AppSettings().DLLPath);
    if (!profile)
        throw std::runtime_error("Impossible de charger le profil! Raison inconnue.");
    LoadSection(windows.CheckDlls(), profile->dlls);
    LoadSection(windows.CheckPy(), profile->scripts);
}

void BackupDllFolderWithMessage(QWidget* owner) {
    Outcome outcome;
    {
        const WaitCursor hourglass;
        TF_Progress progress(owner, QStringLiteral("Copie répertoire DLL en cours"));
        const JournalScope journal(AppSettings().FlyFolder, QString::fromUtf8("Copie répertoire DLL"));
        outcome = BackupDllFolder(AppSettings().DLLFolderHolder, progress);
    }
    ShowOutcome(outcome);
}

} // namespace

// Both lists stay in view: the DLL window on the left, the script window on the right.
void TF_main::ShowProfileWindows() {
    PlaceSideBySide(windows_->CheckDlls(), windows_->CheckPy(), *this);
    ShowWindow(windows_->CheckDlls());
    ShowWindow(windows_->CheckPy());
}

void TF_main::ConnectProfileButtons() {
    OnClick("Button2", [] { SaveProfileAs(); });
    OnClick("Button10", [this] {
        LoadProfileIntoWindows(*windows_);
        ShowProfileWindows();
    });
    OnClick("Button12", [this] {
        const JournalScope journal(AppSettings().FlyFolder, QStringLiteral("Charger et appliquer profil"));
        LoadProfileIntoWindows(*windows_);
        ShowProfileWindows();
        windows_->CheckDlls().Button1Click();
        windows_->CheckPy().Button1Click();
    });
    OnClick("Button11", [this] { BackupDllFolderWithMessage(this); });
}
